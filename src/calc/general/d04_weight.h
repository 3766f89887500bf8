// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What carrying less weight saves in a year, as a range from a low to a high estimate.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_D04_Weight();

} // namespace milora::calc
