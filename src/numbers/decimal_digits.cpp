// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "numbers/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace milora::numbers {

DecimalDigits decimal_digits(double value, int significant) {
    DecimalDigits d;
    d.negative = std::signbit(value) && value != 0.0;
    if (value == 0.0) {
        d.digits = "0";
        return d;
    }
    // to_chars rounds exactly as printf's "%.*e" does, several times faster (long lists of
    // figures are formatted one by one).
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                 std::chars_format::scientific, significant - 1);
    // buf is "d.ddddde+XX" (or "de+XX" for one digit)
    const std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
    const auto e = s.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (s[i] != '.') {
            d.digits.push_back(s[i]);
        }
    }
    std::from_chars(s.data() + e + 1 + (s[e + 1] == '+' ? 1 : 0), s.data() + s.size(), d.exponent);
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    return d;
}

bool FixedDigits::is_zero() const {
    return integer.find_first_not_of('0') == std::string::npos &&
           fraction.find_first_not_of('0') == std::string::npos;
}

FixedDigits fixed_digits(const DecimalDigits& d, int decimals) {
    // All digits laid out at their places: `whole` holds the integer digits, `frac` the rest.
    std::string whole;
    std::string frac;
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent >= 0) {
        const int int_len = d.exponent + 1;
        for (int i = 0; i < int_len; ++i) {
            whole.push_back(i < n ? d.digits[static_cast<std::size_t>(i)] : '0');
        }
        if (n > int_len) {
            frac = d.digits.substr(static_cast<std::size_t>(int_len));
        }
    } else {
        whole = "0";
        frac = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    const bool round_up =
        static_cast<int>(frac.size()) > decimals && frac[static_cast<std::size_t>(decimals)] >= '5';
    frac.resize(static_cast<std::size_t>(decimals), '0');
    if (round_up) {
        std::string all = whole + frac;
        int i = static_cast<int>(all.size()) - 1;
        for (; i >= 0; --i) {
            auto& c = all[static_cast<std::size_t>(i)];
            if (c == '9') {
                c = '0';
            } else {
                ++c;
                break;
            }
        }
        if (i < 0) {
            all.insert(all.begin(), '1');
        }
        whole = all.substr(0, all.size() - frac.size());
        frac = all.substr(all.size() - frac.size());
    }
    const auto first = whole.find_first_not_of('0');
    whole = first == std::string::npos ? "0" : whole.substr(first);
    return {whole, frac};
}

} // namespace milora::numbers
