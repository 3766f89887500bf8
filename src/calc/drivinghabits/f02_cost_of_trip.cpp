// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivinghabits/f02_cost_of_trip.h"

#include "calc/common_boxes.h"
#include "calc/drivinghabits/trip_costs.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

const char* const kIntro =
    "Is this trip necessary? It might help in answering that question if you knew roughly what the "
    "true cost of making that trip was. Enter the appropriate numbers above, and press the "
    "'Calculate' button on the left to see how much it actually costs you to make a trip, in terms "
    "of gas, maintenance, depreciation, and other costs.";

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "F02_Cost_Of_Trip", "True Cost Of Miles Traveled", "Is_This_Trip_Necessary_.htm",
        "Click here to Calculate results, or to update results when data at left is changed");
    d.box_columns = 2;
    d.width = 760;
    d.boxes = {
        gas_cost_box("Cost of gasoline (dollars per gallon)",
                     "Please enter a valid cost of gas ($ per gallon), greater than zero."),
        combined_mpg_box("The combined city/highway MPG (miles per gallon)",
                         "Please enter a valid combined city/highway MPG, greater than zero."),
        time_worth_box(
            "What your free time is worth to you ($ per hour)",
            "Please enter a valid number for the worth of your time ($/hr), greater than zero."),
        box("txtMileage_Cost", "Driving Cost ($/mile)",
            "Total cost per mile of operating your vehicle (including gas, maintenance, "
            "insurance, depreciation, etc.)",
            "Please enter a valid cost per mile ($/mile), greater than zero.")
            .from(&CarData::Global_Mileage_Cost),
        box("txtTime_To_Drive_To_Destination", "Time To Drive To Destination And Back (minutes)",
            "The total time (in minutes) to get to your destination and back",
            "Please enter a valid time to drive to the Destination and back, greater than zero.")
            .starting_at(30.0F),
        box("txtDistance_To_Destination", "Round-Trip Distance (miles)",
            "The total distance (round-trip) to get to your destination and back",
            "Please enter a valid distance to travel to the Destination and back, greater "
            "than zero.")
            .starting_at(10.0F),
    };
    d.results.emplace_back(LabelDesc{.name = "lblHeader_Sentence", .text = kIntro});
    return d;
}

class CostOfTrip final : public DescribedCalculator<make_description> {
public:
    void calculate(FormState& s) override {
        const auto [w, d, gas, time, mileage] = trip_costs(s);
        // The two blanks after "gas alone," are part of the sentence as the program has it.
        s.label("lblHeader_Sentence").text =
            "Driving " + format(d, "# miles") +
            " to your destination and back will effectively cost you " + format(gas, "$#0.00") +
            " in gas alone, " + " and at least " + format(mileage, "$#0.00 ") +
            "in total mileage costs (including gas, maintenance, depreciation, etc.). If you "
            "value your time at " +
            format(w, "$#0.00 per hour") + ", the time cost of this trip will be " +
            format(time, "$#0.00.") +
            " The total effective cost of this trip, including both driving costs and time "
            "costs, is " +
            format(single(double{mileage} + time), "$#0.00.") + " Is this trip worth the cost?";
    }
};

} // namespace

std::unique_ptr<Calculator> make_F02_Cost_Of_Trip() {
    return std::make_unique<CostOfTrip>();
}

} // namespace milora::calc
