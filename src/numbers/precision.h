// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Precision helpers and the floating-point fault check.
//
// Calculators evaluate an expression in double (or long double where asked) and round it to a
// single only where the value is stored: `float g = single(m / mpg);`. A stored result that is not
// finite, or too large for a single, is a floating-point fault: `single` and `checked` throw
// FloatFault, the frame stops the calculation there and tells the user.

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace milora::numbers {

class FloatFault : public std::runtime_error {
public:
    FloatFault() : std::runtime_error("floating-point fault") {}
};

// Whether a finite double rounds to a finite single (values up to FLT_MAX plus half its last
// place).
bool fits_single(double value);

// Rounds to single precision as a store does; a value out of a single's range faults.
float single(double value);
float single(long double value);

template <typename T> T checked(T value) {
    if (!std::isfinite(value)) {
        throw FloatFault();
    }
    return value;
}

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double round_half_even(double value);

} // namespace milora::numbers
