// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What the four engine care windows (C05 to C08) share: the MPG and gas cost boxes, for the oil
// windows an oil change interval box, the result label and the buttons; only the texts differ.

#include "calc/maintenance/loss_calculator.h"

namespace milora::calc::maintenance {

struct Tooltips {
    const char* combined_mpg = "";
    const char* gas_cost = "";
    const char* change_interval = nullptr; // none: the window has no interval box
    const char* calculate = "";
    const char* print = "";
    const char* help = "";
    const char* exit = "";
};

// The boxes, buttons and first values that the four windows share; with no interval tooltip the
// window has no interval box and its estimate is per 1000 miles.
LossWindow engine_care_window(const char* window, const char* caption, const char* help,
                              const Tooltips& tips);

} // namespace milora::calc::maintenance
