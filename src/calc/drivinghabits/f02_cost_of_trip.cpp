// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivinghabits/f02_cost_of_trip.h"

#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::number_text;
using numbers::single;

const char* const kIntro =
    "Is this trip necessary? It might help in answering that question if you knew roughly what the "
    "true cost of making that trip was. Enter the appropriate numbers above, and press the "
    "'Calculate' button on the left to see how much it actually costs you to make a trip, in terms "
    "of gas, maintenance, depreciation, and other costs.";

WindowDescription make_description() {
    WindowDescription d;
    d.window = "F02_Cost_Of_Trip";
    d.caption = "True Cost Of Miles Traveled";
    d.help_topic = "Is_This_Trip_Necessary_.htm";
    d.width = 760;
    d.box_columns = 2;
    d.boxes = {
        {"txtGas_Cost", "Gas Cost ($/gallon)", "Cost of gasoline (dollars per gallon)",
         "Please enter a valid cost of gas ($ per gallon), greater than zero."},
        {"txtCombined_MPG", "Combined City/Hwy MPG",
         "The combined city/highway MPG (miles per gallon)",
         "Please enter a valid combined city/highway MPG, greater than zero."},
        {"txtTime_Worth", "Time Worth ($/hr)", "What your free time is worth to you ($ per hour)",
         "Please enter a valid number for the worth of your time ($/hr), greater than zero.", "",
         "", true},
        {"txtMileage_Cost", "Driving Cost ($/mile)",
         "Total cost per mile of operating your vehicle (including gas, maintenance, insurance, "
         "depreciation, etc.)",
         "Please enter a valid cost per mile ($/mile), greater than zero."},
        {"txtTime_To_Drive_To_Destination", "Time To Drive To Destination And Back (minutes)",
         "The total time (in minutes) to get to your destination and back",
         "Please enter a valid time to drive to the Destination and back, greater than zero."},
        {"txtDistance_To_Destination", "Round-Trip Distance (miles)",
         "The total distance (round-trip) to get to your destination and back",
         "Please enter a valid distance to travel to the Destination and back, greater than "
         "zero."},
    };
    d.results.emplace_back(LabelDesc{"lblHeader_Sentence", kIntro});
    d.buttons = standard_buttons(
        "Click here to Calculate results, or to update results when data at left is changed");
    return d;
}

class CostOfTrip final : public Calculator {
public:
    const WindowDescription& description() const override {
        static const WindowDescription d = make_description();
        return d;
    }

    void load(const CarData& car, FormState& s) override {
        s.box("txtGas_Cost") = number_text(car.Global_Gas_Cost);
        s.box("txtCombined_MPG") = number_text(car.Global_Combined_MPG);
        s.box("txtTime_Worth") = number_text(car.Global_Time_Cost);
        s.box("txtMileage_Cost") = number_text(car.Global_Mileage_Cost);
        s.box("txtTime_To_Drive_To_Destination") = number_text(30.0F);
        s.box("txtDistance_To_Destination") = number_text(10.0F);
    }

    void calculate(FormState& s) override {
        const float w = read_box(s, "txtTime_Worth");
        const float t = read_box(s, "txtTime_To_Drive_To_Destination");
        const float d = read_box(s, "txtDistance_To_Destination");
        const float c = read_box(s, "txtMileage_Cost");
        const float m = read_box(s, "txtCombined_MPG");
        const float g = read_box(s, "txtGas_Cost");
        const float gas = single(double{d} * g / m);
        const float time = single(t / 60.0 * w);
        const float mileage = single(double{c} * d);
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
