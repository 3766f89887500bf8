// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What driving fewer miles a year saves in gas, in total driving costs and in emissions.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_F01_Driving_Less();

} // namespace milora::calc
