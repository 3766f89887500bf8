// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// How little filling up when the gas is coolest would save, if the gas in the station's tank did
// follow the air temperature.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_B04_Gas_Air_Temp();

} // namespace milora::calc
