// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Whether driving across town to a station with a lower posted price pays, counting the gas burned
// on the trip, the full cost of driving a mile, and the value of the user's time.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_B02_True_Cost_of_Gas();

} // namespace milora::calc
