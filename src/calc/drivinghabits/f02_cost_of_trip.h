// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The gas, mileage, time and total cost of one round trip.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_F02_Cost_Of_Trip();

} // namespace milora::calc
