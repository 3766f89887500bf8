// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Every calculator by window name: the main window's buttons and milora-calc open them from here.
// The list itself is in registry.cpp, tab by tab.

#include "calc/calculator.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace milora::calc {

struct CalculatorEntry {
    std::string window;
    std::function<std::unique_ptr<Calculator>()> make;
};

using CalculatorList = std::vector<CalculatorEntry>;

// All registered calculators, in the order the tabs list them.
const CalculatorList& calculators();
const CalculatorEntry* find_calculator(std::string_view window);

} // namespace milora::calc
