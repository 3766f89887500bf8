// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A piece of a file as quoted in a message to the user.

#include <string>
#include <string_view>

namespace milora {

// `text` cut to at most `longest` bytes (at the start of a character, with "..." after it) and
// with control characters shown as "?", so that a binary file or a runaway line gives a message
// one can read.
std::string shown_text(std::string_view text, std::size_t longest);

} // namespace milora
