// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What filling up while the tank is still fairly full costs in a year: more stops, more hours at
// the station, and more gas burned carrying the extra fuel. The two tank settings are option
// groups; a click on either recalculates.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_B05_Fillup_Frequency();

} // namespace milora::calc
