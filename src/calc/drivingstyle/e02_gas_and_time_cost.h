// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What faster highway driving costs: MPG, gas cost per mile, effective gas price and carbon
// dioxide at nine speeds, and what the slower base speed saves for each extra hour of travel.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_E02_Gas_And_Time_Cost();

// Pounds of carbon dioxide the slower speed saves per extra hour, for a saving of `saving` dollars
// an hour at `gas_price`: whole pounds, halves to the even neighbour.
double co2_pounds_per_extra_hour(float saving, float gas_price);

} // namespace milora::calc
