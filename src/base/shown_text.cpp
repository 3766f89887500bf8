// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "base/shown_text.h"

namespace milora {

std::string shown_text(std::string_view text, std::size_t longest) {
    std::size_t end = text.size();
    if (end > longest) {
        end = longest;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            --end;
        }
    }
    std::string out;
    for (std::size_t i = 0; i < end; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        out += c < 0x20 || c == 0x7F ? '?' : text[i];
    }
    return end < text.size() ? out + "..." : out;
}

} // namespace milora
