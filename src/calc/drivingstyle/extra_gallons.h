// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The one formula of the two driving-style windows (smart city driving, steady highway speed).

#include "calc/form_state.h"

#include <string>

namespace milora::calc {

// Extra gallons a year of a wasteful style that gets only `loss_factor` of the MPG:
// Y / (E x k) - Y / E, both quotients in extended precision, the difference stored as a single.
float extra_gallons(float yearly_miles, float mpg, double loss_factor);

// A driving-style window's yearly saving: the extra gallons its boxes' MPG and miles give at
// `loss_factor`, what they cost at the gas price in txtGas_Cost, and their carbon dioxide. The
// boxes are read in the order MPG, gas price, miles.
struct StyleSaving {
    float money = 0;
    float co2 = 0;
};
StyleSaving style_saving(const FormState& s, const std::string& mpg_box,
                         const std::string& miles_box, double loss_factor);

} // namespace milora::calc
