// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// How much the user spends on gas in a year, and what a 10 to 50 percent better MPG would save.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_B01_HowMuchDoYouSpendOnGas();

} // namespace milora::calc
