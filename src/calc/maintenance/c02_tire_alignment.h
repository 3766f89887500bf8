// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What wheels out of alignment cost in gas and carbon dioxide: a table for the MPG-loss
// calculator (loss_calculator.h).

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_C02_Tire_Alignment();

} // namespace milora::calc
