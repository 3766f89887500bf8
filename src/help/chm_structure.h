// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// chmlib believes the lengths, offsets and page numbers a help file states: a damaged file can
// make it allocate gigabytes, read past its buffers, walk the index in a circle or divide by
// zero. So ChmFile first checks a file here against the structure a help file has, and chmlib
// only ever sees one whose directory and compression tables hold together. No Qt, no chmlib.

#include <cstddef>
#include <string>
#include <vector>

namespace milora::help {

// Whether `path` is a regular file whose directory pages, index and LZX tables are whole and
// consistent: every entry inside its page, index pages that cannot lead in a circle, a window,
// reset table and frame lengths as LZX has them, compressed objects inside what they decompress.
bool plausible_help_file(const std::string& path);

// As plausible_help_file, and `names` the first `most` names the help file holds for its reader
// ("/Tires.htm", "/images/car.png"; not the compiler's own tables), in the order of the chain of
// listing pages from its true first page. The header's "first listing page" is not trusted:
// chmcmd writes 1 there although page 0 comes first, and a reader that starts there misses
// every name on page 0 once the directory has more than one page.
bool read_help_file_directory(const std::string& path, std::vector<std::string>& names,
                              std::size_t most);

} // namespace milora::help
