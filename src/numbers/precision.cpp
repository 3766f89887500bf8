// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "numbers/precision.h"

#include <cfenv>
#include <cfloat>

namespace milora::numbers {

bool fits_single(double value) {
    return std::isfinite(value) &&
           std::fabs(value) < static_cast<double>(FLT_MAX) + std::ldexp(1.0, 103);
}

float single(double value) {
    if (!fits_single(value)) {
        throw FloatFault();
    }
    return static_cast<float>(value);
}

float single(long double value) {
    if (!std::isfinite(value) ||
        std::fabs(value) >= static_cast<long double>(FLT_MAX) + std::ldexp(1.0L, 103)) {
        throw FloatFault();
    }
    return static_cast<float>(value);
}

double round_half_even(double value) {
    checked(value);
    // nearbyint follows the current rounding mode, which is to-nearest-even unless changed.
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(value);
    std::fesetround(mode);
    return r;
}

} // namespace milora::numbers
