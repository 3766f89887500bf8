// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/window_description.h"

#include "base/message.h"

namespace milora::calc {

const BoxDesc* WindowDescription::find_box(std::string_view name) const {
    for (const auto& b : boxes) {
        if (b.name == name) {
            return &b;
        }
    }
    return nullptr;
}

const OptionGroupDesc* WindowDescription::find_option_group(std::string_view name) const {
    for (const auto& g : option_groups) {
        if (g.name == name) {
            return &g;
        }
    }
    return nullptr;
}

std::vector<ButtonDesc> standard_buttons(std::string calculate_tooltip, std::string print_tooltip,
                                         std::string help_tooltip, std::string exit_tooltip) {
    return {{"cmdCalculate", "Calculate", std::move(calculate_tooltip), ButtonRole::Calculate},
            {"cmdPrint", "Print", std::move(print_tooltip), ButtonRole::Print},
            {"cmdHelp", "Help", std::move(help_tooltip), ButtonRole::Help},
            {"cmdExit", "Exit", std::move(exit_tooltip), ButtonRole::Exit}};
}

} // namespace milora::calc
