// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What a clogged air filter, a late oil change, too thick an oil and a regular instead of an
// energy-conserving oil cost in gas and carbon dioxide: four tables for the MPG-loss calculator
// (loss_calculator.h).

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_C05_Air_Filter();
std::unique_ptr<Calculator> make_C06_Oil_Change();
std::unique_ptr<Calculator> make_C07_Oil_Thickness();
std::unique_ptr<Calculator> make_C08_ECMO();

} // namespace milora::calc
