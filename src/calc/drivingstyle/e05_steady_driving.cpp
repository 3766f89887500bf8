// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/e05_steady_driving.h"

#include "calc/common_boxes.h"
#include "calc/drivingstyle/condition_miles.h"
#include "calc/drivingstyle/extra_gallons.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::number_text;

const char* const kIntro =
    "Weaving in and out of traffic on the highway, continously accelerating and braking, can "
    "seriously reduce  your fuel economy. Enter your car's EPA highway mileage, the cost of gas, "
    "and the number of miles you drive in highway conditions every year. Then click on the "
    "Calculate button to find out how much money you could save every year by driving at a "
    "constant speed under highway conditions, instead of speeding up and slowing down all the "
    "time.";

// Accelerating and braking all the time costs up to a third of the MPG.
constexpr double kWeavingLossFactor = 0.67;

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "E05_Steady_Driving", "Save By Keeping a Steady Highway Speed",
        "Highway_driving_style.htm#cruisecontrol",
        "Click here to Calculate results, or update results when the data on left is modified");
    d.boxes = {
        box("txtHighway_MPG", "EPA Highway MPG", "",
            "Please enter a valid number for EPA highway MPG, greater than 0.")
            .from(&CarData::Global_EPA_Highway_MPG),
        gas_cost_box("Cost of gasoline (dollars per gallon)",
                     "Please enter a valid number for gas cost, greater than 0."),
        box("txtHighway_Mileage", "Yearly Highway Miles",
            "Number of miles driven under highway conditions every year",
            "Please enter a valid number for your total yearly highway mileage, greater than 0."),
    };
    d.results.emplace_back(LabelDesc{.name = "lblResults"});
    return d;
}

class SteadyDriving final : public DescribedCalculator<make_description> {
public:
    void load(const CarData& car, FormState& s) override {
        s.label("lblResults").text = kIntro;
        s.box("txtHighway_Mileage") = number_text(
            condition_miles(car.Global_Yearly_Miles_Traveled, car.Global_Highway_Percent));
    }

    void calculate(FormState& s) override {
        const auto [money, co2] =
            style_saving(s, "txtHighway_MPG", "txtHighway_Mileage", kWeavingLossFactor);
        s.label("lblResults").text =
            std::string("Over the course of a year, driving at a constant speed instead of "
                        "constantly accelerating and braking ") +
            " under highway driving conditions could save you as much as " +
            format(money, "$#0.00") + " on gas. You could also be putting up to " +
            format(co2, "#0") + " fewer pounds of carbon dioxide into the atmosphere.";
    }
};

} // namespace

std::unique_ptr<Calculator> make_E05_Steady_Driving() {
    return std::make_unique<SteadyDriving>();
}

} // namespace milora::calc
