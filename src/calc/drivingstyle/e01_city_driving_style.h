// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What smart city driving saves in a year, as a range: it avoids a loss of 10 to 20 percent.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_E01_City_Driving_Style();

} // namespace milora::calc
