// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The boxes that many windows share: the same name, caption and starting car data field. Their
// tooltips and refusal messages differ from window to window.

#include "calc/window_description.h"

#include <string>

namespace milora::calc {

// txtGas_Cost, "Gas Cost ($/gallon)", starting from the gas cost.
BoxDesc gas_cost_box(std::string tooltip, std::string message);
// txtCombined_MPG, "Combined City/Hwy MPG", starting from the combined MPG.
BoxDesc combined_mpg_box(std::string tooltip, std::string message);
// txtTime_Worth, "Time Worth ($/hr)", starting from the time cost; 0 is a valid worth.
BoxDesc time_worth_box(std::string tooltip, std::string message);

} // namespace milora::calc
