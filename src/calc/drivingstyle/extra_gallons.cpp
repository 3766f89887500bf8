// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/extra_gallons.h"

#include "numbers/precision.h"

namespace milora::calc {

float extra_gallons(float yearly_miles, float mpg, double loss_factor) {
    const long double miles = yearly_miles;
    const long double wasteful = miles / (static_cast<long double>(mpg) * loss_factor);
    const long double steady = miles / mpg;
    return numbers::single(wasteful - steady);
}

} // namespace milora::calc
