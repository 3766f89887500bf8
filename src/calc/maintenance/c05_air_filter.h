// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What a clogged air filter costs in gas and carbon dioxide: a table for the MPG-loss calculator
// (loss_calculator.h).

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_C05_Air_Filter();

} // namespace milora::calc
