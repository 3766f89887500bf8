// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "help/chm_file.h"

#include "help/chm_structure.h"

#include <chm_lib.h>
#include <cstring>

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
    if (!plausible_help_file(path)) {
        return false;
    }
    file_ = chm_open(path.c_str());
    return file_ != nullptr;
}

void ChmFile::close() {
    if (file_ != nullptr) {
        chm_close(file_);
        file_ = nullptr;
    }
}

bool ChmFile::contains(const std::string& name) const {
    chmUnitInfo info{};
    return file_ != nullptr && usable_name(name) &&
           chm_resolve_object(file_, name.c_str(), &info) == CHM_RESOLVE_SUCCESS;
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

namespace {

int collect_name(chmFile* /*file*/, chmUnitInfo* unit, void* context) {
    auto* names = static_cast<std::vector<std::string>*>(context);
    const std::string name(unit->path, strnlen(unit->path, sizeof unit->path));
    // Names starting "/#" or "/$" are the compiler's own tables.
    if (name.size() > 1 && name[0] == '/' && name[1] != '#' && name[1] != '$' &&
        name.back() != '/') {
        names->push_back(name);
    }
    return names->size() < ChmFile::kMaxNames ? CHM_ENUMERATOR_CONTINUE : CHM_ENUMERATOR_SUCCESS;
}

} // namespace

std::vector<std::string> ChmFile::names() const {
    std::vector<std::string> out;
    if (file_ != nullptr) {
        chm_enumerate(file_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collect_name, &out);
    }
    return out;
}

} // namespace milora::help
