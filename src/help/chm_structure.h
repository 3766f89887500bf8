// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// chmlib believes the lengths, offsets and page numbers a help file states: a damaged file can
// make it allocate gigabytes, read past its buffers, walk the index in a circle or divide by
// zero. So ChmFile first checks a file here against the structure a help file has, and chmlib
// only ever sees one whose directory and compression tables hold together. No Qt, no chmlib.

#include <string>

namespace milora::help {

// Whether `path` is a regular file whose directory pages, index and LZX tables are whole and
// consistent: every entry inside its page, index pages that cannot lead in a circle, a window,
// reset table and frame lengths as LZX has them, compressed objects inside what they decompress.
bool plausible_help_file(const std::string& path);

} // namespace milora::help
