// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "numbers/number_reading.h"

#include "numbers/line_reading.h"

#include "numbers/precision.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace milora::numbers {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Converts a cleaned decimal text ("-123.45e6") with from_chars, which ignores the locale.
std::optional<double> convert(const std::string& clean) {
    double v = 0.0;
    const char* first = clean.data();
    const char* last = clean.data() + clean.size();
    if (!clean.empty() && clean[0] == '+') {
        ++first;
    }
    const auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
    if (ptr != last) {
        return std::nullopt;
    }
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large is no number Milora can work with.
        const auto pos = clean.find_first_of("eE");
        if (pos != std::string::npos && clean.find('-', pos) != std::string::npos) {
            return 0.0;
        }
        return std::nullopt;
    }
    if (ec != std::errc() || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

} // namespace

std::optional<double> parse_number(std::string_view text) {
    const std::string_view t = trim(text);
    std::string clean;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        clean.push_back(t[i++]);
    }
    // Integer part, thousands separators only between complete groups of three.
    std::size_t group = 0;
    bool grouped = false;
    std::size_t int_digits = 0;
    while (i < t.size() && (is_digit(t[i]) || t[i] == ',')) {
        if (t[i] == ',') {
            if (int_digits == 0 || (grouped && group != 3) || (!grouped && group > 3)) {
                return std::nullopt;
            }
            grouped = true;
            group = 0;
        } else {
            clean.push_back(t[i]);
            ++group;
            ++int_digits;
        }
        ++i;
    }
    if (grouped && group != 3) {
        return std::nullopt;
    }
    std::size_t frac_digits = 0;
    if (i < t.size() && t[i] == '.') {
        clean.push_back('.');
        ++i;
        while (i < t.size() && is_digit(t[i])) {
            clean.push_back(t[i++]);
            ++frac_digits;
        }
    }
    if (int_digits + frac_digits == 0) {
        return std::nullopt;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        clean.push_back('e');
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            clean.push_back(t[i++]);
        }
        std::size_t exp_digits = 0;
        while (i < t.size() && is_digit(t[i])) {
            clean.push_back(t[i++]);
            ++exp_digits;
        }
        if (exp_digits == 0) {
            return std::nullopt;
        }
    }
    if (i != t.size()) {
        return std::nullopt;
    }
    return convert(clean);
}

std::optional<float> parse_single(std::string_view text) {
    const auto v = parse_number(text);
    if (!v || !fits_single(*v)) {
        return std::nullopt;
    }
    return static_cast<float>(*v);
}

double leading_number(std::string_view text) {
    // Blanks are skipped wherever they stand, as long as the number goes on.
    std::string clean;
    std::size_t i = 0;
    auto skip_blanks = [&] {
        while (i < text.size() && (is_blank(text[i]) || text[i] == '\n' || text[i] == '\r')) {
            ++i;
        }
    };
    skip_blanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        clean.push_back(text[i++]);
    }
    std::size_t digits = 0;
    bool point = false;
    for (;; ++i) {
        skip_blanks();
        if (i >= text.size()) {
            break;
        }
        if (is_digit(text[i])) {
            clean.push_back(text[i]);
            ++digits;
        } else if (text[i] == '.' && !point) {
            clean.push_back('.');
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    skip_blanks();
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::string exp = "e";
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exp.push_back(text[j++]);
        }
        std::size_t exp_digits = 0;
        while (j < text.size() && is_digit(text[j])) {
            exp.push_back(text[j++]);
            ++exp_digits;
        }
        if (exp_digits > 0) {
            clean += exp;
        }
    }
    if (clean.back() == '.') {
        clean.pop_back();
    }
    const auto v = convert(clean);
    if (!v) {
        return clean[0] == '-' ? -DBL_MAX : DBL_MAX;
    }
    return *v;
}

std::optional<double> read_back(std::string_view shown) {
    std::string_view t = trim(shown);
    bool negative = false;
    if (!t.empty() && t.front() == '-') {
        negative = true;
        t.remove_prefix(1);
    }
    if (!t.empty() && t.front() == '$') {
        t.remove_prefix(1);
    }
    if (t.empty() || t.front() == '-' || t.front() == '+') {
        return std::nullopt;
    }
    const auto v = parse_number(t);
    if (!v) {
        return std::nullopt;
    }
    return negative ? -*v : *v;
}

} // namespace milora::numbers
