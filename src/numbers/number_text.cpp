// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "numbers/number_text.h"

#include "numbers/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace milora::numbers {
namespace {

// The shortest significant digits that read back to the same single (or double).
DecimalDigits shortest_digits(double value, int significant) {
    char buf[64];
    const auto res =
        significant <= 7
            ? std::to_chars(buf, buf + sizeof buf - 1, static_cast<float>(value),
                            std::chars_format::scientific)
            : std::to_chars(buf, buf + sizeof buf - 1, value, std::chars_format::scientific);
    *res.ptr = '\0'; // to_chars does not terminate; the exponent is read with atoi below
    DecimalDigits d;
    const char* p = buf;
    for (; p != res.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            d.digits.push_back(*p);
        }
    }
    d.exponent = std::atoi(p + 1);
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    return d;
}

// Above this a double rounded to 15 digits may round past the largest double.
constexpr double kLargestRoundable = 1.7976931348623e308;

std::string text_of(double value, int significant) {
    if (!std::isfinite(value)) {
        // Never shown: every stored result is checked before it reaches a text. Kept readable
        // rather than "inf" or "nan" should a caller forget.
        return "0";
    }
    const DecimalDigits d = decimal_digits(value, significant);
    if (d.digits == "0") {
        return "0";
    }
    std::string out = d.negative ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent >= significant || d.exponent < -5) {
        // The exponent form keeps the same number of significant digits as the plain one; fewer
        // where fewer already read back to the value (a subnormal single holds less than seven).
        // Rounding the largest doubles up to 15 digits would pass the largest double, so they
        // keep the digits that read back.
        DecimalDigits exact = shortest_digits(value, significant);
        if (static_cast<int>(exact.digits.size()) > significant &&
            !(significant > 7 && std::fabs(value) > kLargestRoundable)) {
            exact = d;
        }
        out += exact.digits.substr(0, 1);
        if (exact.digits.size() > 1) {
            out += "." + exact.digits.substr(1);
        }
        const int e = std::abs(exact.exponent);
        out += exact.exponent < 0 ? "E-" : "E+";
        if (e < 10) {
            out += "0";
        }
        out += std::to_string(e);
        return out;
    }
    if (d.exponent >= 0) {
        const int int_len = d.exponent + 1;
        if (n <= int_len) {
            out += d.digits + std::string(static_cast<std::size_t>(int_len - n), '0');
        } else {
            out += d.digits.substr(0, static_cast<std::size_t>(int_len)) + "." +
                   d.digits.substr(static_cast<std::size_t>(int_len));
        }
    } else {
        out += "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    return out;
}

} // namespace

std::string number_text(float value) {
    return text_of(static_cast<double>(value), 7);
}

std::string number_text(double value) {
    return text_of(value, 15);
}

std::string plain_number_text(float value) {
    std::string t = number_text(value);
    const bool negative = t[0] == '-';
    if (negative) {
        t.erase(0, 1);
    }
    // Below 1 the zero before the point is dropped: " .5", "-.5".
    if (t.size() > 1 && t[0] == '0' && t[1] == '.') {
        t.erase(0, 1);
    }
    return (negative ? "-" : " ") + t;
}

} // namespace milora::numbers
