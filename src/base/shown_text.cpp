// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "base/shown_text.h"

namespace milora {
namespace {

// The length of the well-formed UTF-8 character at the start of `s` and its code point, or a
// length of 0 when the bytes there are not one (overlong forms and surrogates included).
struct Decoded {
    std::size_t length = 0;
    char32_t code = 0;
};

Decoded decode(std::string_view s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80) {
        return {1, b0};
    }
    std::size_t length = 0;
    char32_t code = 0;
    char32_t lowest = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2, code = b0 & 0x1Fu, lowest = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, code = b0 & 0x0Fu, lowest = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, code = b0 & 0x07u, lowest = 0x10000;
    } else {
        return {};
    }
    if (s.size() < length) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) {
            return {};
        }
        code = (code << 6) | (b & 0x3Fu);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {};
    }
    return {length, code};
}

bool is_control(char32_t code, bool keep_line_feed) {
    if (code == U'\n') {
        return !keep_line_feed;
    }
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

void append_safe(std::string& out, std::string_view text, bool keep_line_feed) {
    std::size_t i = 0;
    while (i < text.size()) {
        const Decoded d = decode(text.substr(i));
        if (d.length == 0) {
            out += "\xEF\xBF\xBD"; // U+FFFD, as a byte of another encoding is shown anywhere
            ++i;
        } else if (is_control(d.code, keep_line_feed)) {
            out += '?';
            i += d.length;
        } else {
            out.append(text.substr(i, d.length));
            i += d.length;
        }
    }
}

} // namespace

std::string safe_text(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    append_safe(out, text, true);
    return out;
}

std::string shown_text(std::string_view text, std::size_t longest) {
    std::size_t end = text.size();
    if (end > longest) {
        end = longest;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            --end;
        }
    }
    std::string out;
    append_safe(out, text.substr(0, end), false);
    return end < text.size() ? out + "..." : out;
}

} // namespace milora
