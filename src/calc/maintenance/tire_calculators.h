// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What underinflated tires, bad wheel alignment and an unneeded aggressive tread cost in gas and
// carbon dioxide: three tables for the MPG-loss calculator (loss_calculator.h).

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_C01_Tire_Pressure();
std::unique_ptr<Calculator> make_C02_Tire_Alignment();
std::unique_ptr<Calculator> make_C03_Tire_Tread();

} // namespace milora::calc
