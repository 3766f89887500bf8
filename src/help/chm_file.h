// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The files inside a compiled HTML help file (*.chm), read with chmlib and without Qt, so that the
// reading can be exercised on its own with any bytes and any name. ChmArchive wraps it for the
// help viewer.

#include <optional>
#include <string>
#include <vector>

struct chmFile;

namespace milora::help {

class ChmFile {
public:
    ChmFile() = default;
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    // False when the file cannot be opened or is not a help file (or this build cannot read help
    // files at all); the file is then closed.
    bool open(const std::string& path);
    void close();
    bool is_open() const { return file_ != nullptr; }

    // `name` is a path inside the archive, "/Tires.htm" or "/images/car.png". A name that holds a
    // NUL byte names nothing.
    bool contains(const std::string& name) const;
    std::optional<std::string> read(const std::string& name) const;
    // The length of `name` without reading it, so that a caller can refuse a large object
    // before it is decompressed.
    std::optional<unsigned long long> size_of(const std::string& name) const;
    // The names of the files a help file holds for its reader ("/Tires.htm", "/edt.hhc"), without
    // its own bookkeeping ("/#SYSTEM", "::DataSpace/..."), in the order of the directory's
    // listing pages from the first (read at open, not by chmlib's walk, which starts where the
    // header says and so can miss a whole page of names); at most kMaxNames.
    std::vector<std::string> names() const;
    static constexpr std::size_t kMaxNames = 100000;

    // Whether this build links the help file reader.
    static bool supported();

    // No page, picture or style sheet of a handbook comes near this; a larger one is a damaged
    // file.
    static constexpr unsigned long long kMaxObjectSize = 64ULL * 1024 * 1024;

private:
    chmFile* file_ = nullptr;
    std::vector<std::string> names_;
};

} // namespace milora::help
