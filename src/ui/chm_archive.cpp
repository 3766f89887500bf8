// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/chm_archive.h"

#include "ui/qt_text.h"

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

QStringList ChmArchive::names() const {
    QStringList out;
    for (const std::string& name : file_.names()) {
        out.append(QString::fromStdString(name));
    }
    return out;
}

} // namespace milora::ui
