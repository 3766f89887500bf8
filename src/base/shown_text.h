// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Text from a file as it is shown to the user: in a message, on a terminal or in a window.

#include <string>
#include <string_view>

namespace milora {

// `text` with every character that could act on a terminal shown as "?" (the C0 controls but line
// feed, DEL, the C1 controls U+0080 to U+009F) and every byte that is not part of a well-formed
// UTF-8 character shown as U+FFFD, so a lone C1 byte cannot act either. Line feeds are kept.
std::string safe_text(std::string_view text);

// `text` cut to at most `longest` bytes (at the start of a character, with "..." after it) and
// made safe as `safe_text` does, line feeds included, so that a binary file or a runaway line gives
// a message one can read on one line.
std::string shown_text(std::string_view text, std::size_t longest);

} // namespace milora
