// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/tire_boxes.h"

#include "calc/common_boxes.h"
#include "calc/maintenance/loss_calculator.h"

namespace milora::calc::maintenance {
namespace {

const char* const kYearlyMileageMessage =
    "Please enter a valid number for your totaly yearly mileage, greater than 0.";

} // namespace

WindowDescription tire_window(const char* window, const char* caption, const char* help,
                              const char* calculate_tooltip) {
    WindowDescription d = describe_window(window, caption, help, calculate_tooltip);
    d.results.emplace_back(LabelDesc{.name = "lblResults"});
    return d;
}

BoxDesc tire_mpg_box(const char* tooltip) {
    return combined_mpg_box(tooltip, kMpgMessage).with_label_name("lblCombined_Mileage");
}

BoxDesc tire_gas_cost_box(const char* tooltip) {
    return gas_cost_box(tooltip, kGasCostMessage);
}

BoxDesc yearly_mileage_box(const char* tooltip) {
    return box("txtYearly_Mileage", "Miles driven yearly", tooltip, kYearlyMileageMessage)
        .from(&CarData::Global_Yearly_Miles_Traveled);
}

} // namespace milora::calc::maintenance
