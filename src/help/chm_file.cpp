// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "help/chm_file.h"

#include "help/chm_structure.h"

#include <chm_lib.h>

namespace milora::help {

ChmFile::~ChmFile() {
    close();
}

bool ChmFile::supported() {
    return true;
}

namespace {

// chmlib takes names as C strings: a name with a NUL inside would be cut short there and find
// another page.
bool usable_name(const std::string& name) {
    return !name.empty() && name.find('\0') == std::string::npos;
}

} // namespace

bool ChmFile::open(const std::string& path) {
    close();
    if (path.find('\0') != std::string::npos) {
        return false;
    }
    if (!read_help_file_directory(path, names_, kMaxNames)) {
        return false;
    }
    file_ = chm_open(path.c_str());
    if (file_ == nullptr) {
        names_.clear();
    }
    return file_ != nullptr;
}

void ChmFile::close() {
    if (file_ != nullptr) {
        chm_close(file_);
        file_ = nullptr;
    }
    names_.clear();
}

bool ChmFile::contains(const std::string& name) const {
    chmUnitInfo info{};
    return file_ != nullptr && usable_name(name) &&
           chm_resolve_object(file_, name.c_str(), &info) == CHM_RESOLVE_SUCCESS;
}

std::optional<unsigned long long> ChmFile::size_of(const std::string& name) const {
    chmUnitInfo info{};
    if (file_ == nullptr || !usable_name(name) ||
        chm_resolve_object(file_, name.c_str(), &info) != CHM_RESOLVE_SUCCESS) {
        return std::nullopt;
    }
    return static_cast<unsigned long long>(info.length);
}

std::optional<std::string> ChmFile::read(const std::string& name) const {
    chmUnitInfo info{};
    if (file_ == nullptr || !usable_name(name) ||
        chm_resolve_object(file_, name.c_str(), &info) != CHM_RESOLVE_SUCCESS) {
        return std::nullopt;
    }
    if (info.length > kMaxObjectSize) {
        return std::nullopt;
    }
    const auto length = static_cast<LONGINT64>(info.length);
    std::string data(static_cast<std::size_t>(length), '\0');
    if (length > 0 &&
        chm_retrieve_object(file_, &info, reinterpret_cast<unsigned char*>(data.data()), 0,
                            length) != length) {
        return std::nullopt;
    }
    return data;
}

std::vector<std::string> ChmFile::names() const {
    return names_;
}

} // namespace milora::help
