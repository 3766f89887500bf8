// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A finite binary value as its decimal significant digits: the common ground of the number text
// form and the display patterns, both of which work on "the value's own decimal digits".

#include <string>

namespace milora::numbers {

struct DecimalDigits {
    bool negative = false;
    std::string digits; // significant digits without trailing zeros; "0" for zero
    int exponent = 0;   // the value is digits[0].digits[1..] x 10^exponent
};

// Rounds |value| to `significant` digits (correctly rounded, as printf does). Requires a finite
// value.
DecimalDigits decimal_digits(double value, int significant);

// Splits the digits into an integer part (no leading zeros, "0" when below 1) and a fraction
// rounded half away from zero to `decimals` places (always exactly `decimals` characters).
struct FixedDigits {
    std::string integer;
    std::string fraction;
    bool is_zero() const;
};
FixedDigits fixed_digits(const DecimalDigits& d, int decimals);

} // namespace milora::numbers
