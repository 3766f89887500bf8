// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "numbers/format_pattern.h"

#include "numbers/decimal_digits.h"

#include <cmath>

namespace milora::numbers {
namespace {

bool is_placeholder(char c) {
    return c == '0' || c == '#';
}

std::string format_digits(double value, int significant, std::string_view pattern) {
    if (!std::isfinite(value)) {
        return "0"; // never reached: stored results are checked before they are shown
    }
    const auto point = pattern.find('.');
    const std::string_view int_part = pattern.substr(0, point);
    const std::string_view dec_part =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);

    std::size_t int_zeros = 0;
    for (const char c : int_part) {
        int_zeros += c == '0' ? 1U : 0U;
    }
    int decimals = 0;
    int min_decimals = 0;
    for (const char c : dec_part) {
        if (is_placeholder(c)) {
            ++decimals;
            if (c == '0') {
                min_decimals = decimals;
            }
        }
    }

    const FixedDigits fixed = fixed_digits(decimal_digits(value, significant), decimals);
    std::string integer = fixed.integer;
    if (integer == "0" && int_zeros == 0) {
        integer.clear();
    }
    while (integer.size() < int_zeros) {
        integer.insert(integer.begin(), '0');
    }
    std::string fraction = fixed.fraction;
    while (static_cast<int>(fraction.size()) > min_decimals && fraction.back() == '0') {
        fraction.pop_back();
    }

    std::string out;
    const bool negative = value < 0 && !fixed.is_zero();
    if (negative) {
        out.push_back('-');
    }
    bool integer_written = false;
    for (const char c : int_part) {
        if (is_placeholder(c)) {
            if (!integer_written) {
                out += integer;
                integer_written = true;
            }
        } else if (c != ',') {
            out.push_back(c);
        }
    }
    if (!integer_written) {
        out += integer;
    }
    if (point != std::string_view::npos) {
        out.push_back('.');
        std::size_t next = 0;
        for (const char c : dec_part) {
            if (is_placeholder(c)) {
                if (next < fraction.size()) {
                    out.push_back(fraction[next]);
                }
                ++next;
            } else if (c != ',') {
                out.push_back(c);
            }
        }
    }
    return out;
}

} // namespace

std::string format(float value, std::string_view pattern) {
    return format_digits(static_cast<double>(value), 7, pattern);
}

std::string format(double value, std::string_view pattern) {
    return format_digits(value, 15, pattern);
}

std::string format(long double value, std::string_view pattern) {
    return format_digits(static_cast<double>(value), 15, pattern);
}

} // namespace milora::numbers
