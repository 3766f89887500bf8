// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/extra_gallons.h"

#include "calc/calculator.h"
#include "calc/constants.h"
#include "numbers/precision.h"

namespace milora::calc {

float extra_gallons(float yearly_miles, float mpg, double loss_factor) {
    const long double miles = yearly_miles;
    const long double wasteful = miles / (static_cast<long double>(mpg) * loss_factor);
    const long double steady = miles / mpg;
    return numbers::single(wasteful - steady);
}

StyleSaving style_saving(const FormState& s, const std::string& mpg_box,
                         const std::string& miles_box, double loss_factor) {
    const float e = read_box(s, mpg_box);
    const float g = read_box(s, "txtGas_Cost");
    const float y = read_box(s, miles_box);
    const float gallons = extra_gallons(y, e, loss_factor);
    return {numbers::single(double{gallons} * g), numbers::single(double{gallons} * kCo2PerGallon)};
}

} // namespace milora::calc
