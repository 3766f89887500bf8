// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivinghabits/f04_more_efficient_vehicle.h"

#include "calc/common_boxes.h"
#include "calc/constants.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

#include <algorithm>

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "F04_More_Efficient_Vehicle", "Use Your Most Fuel-Efficient Car",
        "Choose_The_Most_Efficient_Vehicle.htm",
        "Click here to Calculate results, or to update results when data at left is changed");
    d.width = 600;
    d.boxes = {
        gas_cost_box("Enter the cost of gasoline (dollars per gallon)",
                     "Please enter a valid number for gas cost, greater than 0."),
        box("txtMPG_Car1", "MPG Of First Car", "Enter the MPG (miles per gallon) of the first car",
            "Please enter a valid number for the MPG of your first car, greater than 0.")
            .from(&CarData::Global_Combined_MPG),
        box("txtMPG_Car2", "MPG Of Second Car",
            "Enter the MPG (miles per gallon) of the second car",
            "Please enter a valid number for the MPG of your second car, greater than 0.")
            .starting_at(16.0F),
        box("txtMiles_Of_Choice", "Yearly Miles That Could Be Driven In Either Car",
            "Enter the number of miles you drive in a year where you can choose one "
            "vehicle or the other",
            "Please enter a valid number for the number of miles in a year you have a "
            "choice of which car to drive, greater than 0.")
            .starting_at(3000.0F),
    };
    d.results.emplace_back(LabelDesc{
        .name = "lblResults",
        .text = "If you own two cars, you can use this calculator to determine how much you could "
                "save by using the more fuel-efficient vehicle when you have a choice."});
    return d;
}

class MoreEfficientVehicle final : public DescribedCalculator<make_description> {
public:
    void calculate(FormState& s) override {
        const auto [g, mpg1, mpg2, y] =
            read_boxes(s, {"txtGas_Cost", "txtMPG_Car1", "txtMPG_Car2", "txtMiles_Of_Choice"});
        auto& result = s.label("lblResults");
        if (mpg1 == mpg2) {
            result.text = "Since both cars get the same miles per gallon, there's no advantage to "
                          "driving one or the other in terms of gas consumption.";
            return;
        }
        const float high = std::max(mpg1, mpg2);
        const float low = std::min(mpg1, mpg2);
        // The two quotients are close; taking them in extended precision keeps their difference.
        const float extra_gallons =
            single(static_cast<long double>(y) / low - static_cast<long double>(y) / high);
        const float money = single(double{extra_gallons} * g);
        const float co2 = single(double{extra_gallons} * kCo2PerGallon);
        result.text = "Driving " + format(y, "#0") +
                      " miles in a year, if you choose the car that gets " + format(high, "#0.0") +
                      " miles per gallon instead of the one that gets the lower MPG of " +
                      format(low, "#0.0") + " miles per gallon, you will save " +
                      format(money, "$#0.00") + " on gas, and you will put " + format(co2, "#0") +
                      " fewer pounds of carbon dioxide into the air. Driving the less-efficient " +
                      "car is the equivalent of spending " +
                      format(single(double{high} * g / low), "$#0.00") + " for a gallon of gas.";
    }
};

} // namespace

std::unique_ptr<Calculator> make_F04_More_Efficient_Vehicle() {
    return std::make_unique<MoreEfficientVehicle>();
}

} // namespace milora::calc
