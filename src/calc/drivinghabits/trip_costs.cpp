// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivinghabits/trip_costs.h"

#include "calc/calculator.h"
#include "calc/common_boxes.h"
#include "numbers/precision.h"

namespace milora::calc {

TripCosts trip_costs(const FormState& s) {
    using numbers::single;
    const auto [w, t, d, c, m, g] = read_boxes(
        s, {"txtTime_Worth", "txtTime_To_Drive_To_Destination", "txtDistance_To_Destination",
            "txtMileage_Cost", "txtCombined_MPG", "txtGas_Cost"});
    return {.worth = w,
            .distance = d,
            .gas = single(double{d} * g / m),
            .time = single(t / 60.0 * w),
            .mileage = single(double{c} * d)};
}

std::vector<BoxDesc> cost_per_mile_boxes() {
    return {
        combined_mpg_box(
            "Enter your combined city/highway MPG",
            "Please enter a valid fuel economy figure (miles per gallon), greater than zero.")
            .with_label_name("Label1"),
        gas_cost_box("Enter the cost of gas (dollars per gallon)",
                     "Please enter a valid gas price, greater than zero.")
            .with_label_name("lblGas_Cost"),
        box("txtMileage_Cost", "Driving Cost ($/ mile)",
            "Enter the true total cost of driving one mile (dollars per mile)",
            "Please enter a valid number for the total cost of driving per mile, greater "
            "than zero.")
            .with_label_name("lblDriving_Cost")
            .from(&CarData::Global_Mileage_Cost),
    };
}

} // namespace milora::calc
