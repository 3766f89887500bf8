// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/chm_archive.h"

#include "ui/qt_text.h"

#include <algorithm>
#include <cstdint>

namespace milora::ui {

bool ChmArchive::open(const QString& path) {
    return file_.open(path_text(path));
}

bool ChmArchive::contains(const QString& name) const {
    return file_.contains(name.toStdString());
}

std::optional<QByteArray> ChmArchive::read(const QString& name) const {
    auto bytes = file_.read(name.toStdString());
    if (!bytes) {
        return std::nullopt;
    }
    return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
}

std::optional<qint64> ChmArchive::size(const QString& name) const {
    const auto length = file_.size_of(name.toStdString());
    if (!length) {
        return std::nullopt;
    }
    return static_cast<qint64>(std::min<unsigned long long>(*length, INT64_MAX));
}

std::optional<QByteArray> ChmArchive::read_at_most(const QString& name, qint64 most,
                                                   bool* too_large) const {
    const std::optional<qint64> length = size(name);
    if (too_large != nullptr) {
        *too_large = length && *length > most;
    }
    if (!length || *length > most) {
        return std::nullopt;
    }
    return read(name);
}

QStringList ChmArchive::names() const {
    QStringList out;
    for (const std::string& name : file_.names()) {
        out.append(QString::fromStdString(name));
    }
    return out;
}

} // namespace milora::ui
