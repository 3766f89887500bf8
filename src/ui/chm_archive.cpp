// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/chm_archive.h"

#include <QFile>

#ifdef MILORA_HAVE_CHMLIB
#include <chm_lib.h>
#endif

namespace milora::ui {
namespace {

// No page, picture or style sheet of a handbook comes near this; a larger length is a damaged file.
constexpr long long kMaxObjectSize = 64LL * 1024 * 1024;

} // namespace

ChmArchive::~ChmArchive() {
    close();
}

bool ChmArchive::supported() {
#ifdef MILORA_HAVE_CHMLIB
    return true;
#else
    return false;
#endif
}

#ifdef MILORA_HAVE_CHMLIB

bool ChmArchive::open(const QString& path) {
    close();
    file_ = chm_open(QFile::encodeName(path).constData());
    return file_ != nullptr;
}

void ChmArchive::close() {
    if (file_ != nullptr) {
        chm_close(file_);
        file_ = nullptr;
    }
}

bool ChmArchive::contains(const QString& name) const {
    chmUnitInfo info{};
    return file_ != nullptr &&
           chm_resolve_object(file_, name.toUtf8().constData(), &info) == CHM_RESOLVE_SUCCESS;
}

std::optional<QByteArray> ChmArchive::read(const QString& name) const {
    chmUnitInfo info{};
    if (file_ == nullptr ||
        chm_resolve_object(file_, name.toUtf8().constData(), &info) != CHM_RESOLVE_SUCCESS) {
        return std::nullopt;
    }
    if (info.length > static_cast<LONGUINT64>(kMaxObjectSize)) {
        return std::nullopt;
    }
    const auto length = static_cast<LONGINT64>(info.length);
    QByteArray data(static_cast<qsizetype>(length), Qt::Uninitialized);
    if (length > 0 &&
        chm_retrieve_object(file_, &info, reinterpret_cast<unsigned char*>(data.data()), 0,
                            length) != length) {
        return std::nullopt;
    }
    return data;
}

#else

bool ChmArchive::open(const QString& /*path*/) {
    return false;
}

void ChmArchive::close() {}

bool ChmArchive::contains(const QString& /*name*/) const {
    return false;
}

std::optional<QByteArray> ChmArchive::read(const QString& /*name*/) const {
    return std::nullopt;
}

#endif

} // namespace milora::ui
