// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/registry.h"

#include "calc/tabs.h"

namespace milora::calc {

const CalculatorList& calculators() {
    static const CalculatorList list = [] {
        CalculatorList l;
        register_fillingup(l);
        register_maintenance(l);
        register_general(l);
        register_drivingstyle(l);
        register_drivinghabits(l);
        return l;
    }();
    return list;
}

const CalculatorEntry* find_calculator(std::string_view window) {
    for (const auto& e : calculators()) {
        if (e.window == window) {
            return &e;
        }
    }
    return nullptr;
}

} // namespace milora::calc
