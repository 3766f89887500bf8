// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/common_boxes.h"

namespace milora::calc {

BoxDesc gas_cost_box(std::string tooltip, std::string message) {
    return box("txtGas_Cost", "Gas Cost ($/gallon)", std::move(tooltip), std::move(message))
        .from(&CarData::Global_Gas_Cost);
}

BoxDesc combined_mpg_box(std::string tooltip, std::string message) {
    return box("txtCombined_MPG", "Combined City/Hwy MPG", std::move(tooltip), std::move(message))
        .from(&CarData::Global_Combined_MPG);
}

BoxDesc time_worth_box(std::string tooltip, std::string message) {
    return box("txtTime_Worth", "Time Worth ($/hr)", std::move(tooltip), std::move(message))
        .allowing_zero()
        .from(&CarData::Global_Time_Cost);
}

} // namespace milora::calc
