// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/import_cells.h"

#include "base/shown_text.h"
#include "numbers/line_reading.h"
#include "numbers/number_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace milora::mileage::import {
namespace {

using numbers::trim;

bool read_int(std::string_view s, int& value) {
    if (s.empty() || s.size() > 4) {
        return false;
    }
    value = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return true;
}

} // namespace

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

std::optional<std::string> us_date(std::string_view cell) {
    std::string_view t = trim(cell);
    const std::size_t end = t.find_first_of(" T");
    if (end != std::string_view::npos) {
        t = t.substr(0, end);
    }
    const std::size_t a = t.find_first_of("-/.");
    if (a == std::string_view::npos) {
        return std::nullopt;
    }
    const char sep = t[a];
    const std::size_t b = t.find(sep, a + 1);
    if (b == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view p1 = t.substr(0, a);
    const std::string_view p2 = t.substr(a + 1, b - a - 1);
    const std::string_view p3 = t.substr(b + 1);
    int x = 0;
    int y = 0;
    int z = 0;
    if (!read_int(p1, x) || !read_int(p2, y) || !read_int(p3, z)) {
        return std::nullopt;
    }
    int year = 0;
    int month = 0;
    int day = 0;
    if (p1.size() == 4 && sep != '.') {
        year = x, month = y, day = z;
    } else if (p3.size() == 4 && sep == '/') {
        month = x, day = y, year = z;
    } else if (p3.size() == 4 && sep == '.') {
        day = x, month = y, year = z;
    } else {
        return std::nullopt;
    }
    if (year < 1000 || month < 1 || month > 12 || day < 1 || day > 31) {
        return std::nullopt;
    }
    char out[16];
    char* p = std::to_chars(out, out + sizeof out, month).ptr;
    *p++ = '/';
    p = std::to_chars(p, out + sizeof out, day).ptr;
    *p++ = '/';
    p = std::to_chars(p, out + sizeof out, year).ptr;
    return std::string(out, p);
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
    return is_one_of(cell, {"1", "yes", "y", "true", "x"});
}

bool is_no(std::string_view cell) {
    return is_one_of(cell, {"0", "no", "n", "false"});
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
