// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/engine_care.h"

#include "calc/common_boxes.h"

namespace milora::calc::maintenance {
namespace {

const float kChangeInterval = 5000; // miles, the usual oil change interval

} // namespace

LossWindow engine_care_window(const char* window, const char* caption, const char* help,
                              const Tooltips& tips) {
    LossWindow t;
    t.description = describe_window(window, caption, help, tips.calculate);
    WindowDescription& d = t.description;
    d.boxes = {
        combined_mpg_box(tips.combined_mpg, kMpgMessage),
        gas_cost_box(tips.gas_cost, kGasCostMessage),
    };
    t.read_order = {"txtCombined_MPG", "txtGas_Cost"};
    if (tips.change_interval != nullptr) {
        d.boxes.push_back(
            box("txtChange_Interval", "Recommended Oil Change Interval (miles)",
                tips.change_interval,
                "Please enter a valid number for your oil change interval, greater than 0.")
                .starting_at(kChangeInterval));
        t.read_order.emplace_back("txtChange_Interval");
        t.distance_box = "txtChange_Interval";
    } else {
        t.distance = 1000; // the estimate is per 1000 miles
    }
    d.results.emplace_back(LabelDesc{.name = "lblResults"});
    d.set_tooltips(tips.print, tips.help, tips.exit);
    return t;
}

} // namespace milora::calc::maintenance
