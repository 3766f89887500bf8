// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Writing a file so that a failure never leaves it half written: the contents go into a new file
// in the same folder, which is flushed to disk and then renamed over the old one. Any failure
// removes the new file and leaves the old one as it was. A symbolic link is followed, so the file
// it names is replaced and the link stays; a folder, a device or a pipe is never replaced, nor a
// file that is read-only (as an editor would, even where the folder would allow it). Hidden
// temporary files of our own naming that a save killed before its rename left beside the file are
// removed by the next save of that file.

#include "base/result.h"

#include <cstddef>
#include <functional>
#include <string>

namespace milora {

// On failure the reason says why the file could not be written, for the user. `before_rename`
// runs after the new file is complete and before it replaces the old one; a test makes it throw
// to stand for a crash at the worst moment.
Status write_file_atomically(const std::string& path, const std::string& contents,
                             const std::function<void()>& before_rename = {});

// Every file Milora reads is far below this; a larger one is no file of its own.
inline constexpr std::size_t kMaxReadSize = 256U * 1024 * 1024;

// Reads a whole regular file. It fails on a file that cannot be opened or read (a folder, a
// device or a pipe, no permission, larger than kMaxReadSize), saying why ("it does not exist") for
// a message that goes on "could not be opened: ".
Result<std::string> read_file(const std::string& path);

// The reason a save onto a file without write permission is refused.
inline constexpr const char* kReadOnlyReason = "the file is read-only";

} // namespace milora
