// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What a steady highway speed saves in a year at most: it avoids a loss of a third of the MPG.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_E05_Steady_Driving();

} // namespace milora::calc
