// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What a bad oxygen sensor costs in gas, as a range from a 10 to a 15 percent MPG loss, per 1000
// miles and per year.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_C09_Oxygen_Sensor();

} // namespace milora::calc
