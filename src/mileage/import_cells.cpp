// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/import_cells.h"

#include "base/shown_text.h"
#include "numbers/line_reading.h"
#include "numbers/number_reading.h"

#include <algorithm>
#include <cmath>

namespace milora::mileage::import {
using numbers::trim;

std::optional<double> number(std::string_view cell, bool decimal_comma) {
    std::optional<double> v;
    if (decimal_comma) {
        std::string swapped(cell);
        for (char& c : swapped) {
            c = c == ',' ? '.' : c == '.' ? ',' : c;
        }
        v = numbers::parse_number(swapped);
    }
    if (!v) {
        v = numbers::parse_number(cell);
    }
    if (v && !std::isfinite(*v)) {
        return std::nullopt;
    }
    return v;
}

bool is_one_of(std::string_view cell, std::initializer_list<std::string_view> words) {
    const std::string_view v = trim(cell);
    return std::any_of(words.begin(), words.end(), [&](std::string_view w) {
        return w.size() == v.size() &&
               std::equal(w.begin(), w.end(), v.begin(), [](char a, char b) {
                   return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
               });
    });
}

bool is_yes(std::string_view cell) {
    return is_one_of(cell, {"1", "yes", "y", "true", "x", "ja", "j", "oui", "si", "s\xC3\xAD",
                            "s\xC3\xAC", "sim", "tak", "t"});
}

bool is_no(std::string_view cell) {
    return is_one_of(cell, {"0", "no", "n", "false", "nein", "non", "nee", "n\xC3\xA3o", "nie"});
}

bool contains(std::string_view s, std::string_view part) {
    return s.find(part) != std::string_view::npos;
}

bool has_word(std::string_view h, std::string_view word) {
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); };
    for (std::size_t at = h.find(word); at != std::string_view::npos; at = h.find(word, at + 1)) {
        const bool before = at == 0 || !letter(h[at - 1]);
        const bool after = at + word.size() >= h.size() || !letter(h[at + word.size()]);
        if (before && after) {
            return true;
        }
    }
    return false;
}

std::string shown(std::string_view cell) {
    return shown_text(cell, 24);
}

} // namespace milora::mileage::import
