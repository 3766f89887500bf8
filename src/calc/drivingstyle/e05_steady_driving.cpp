// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/e05_steady_driving.h"

#include "calc/constants.h"
#include "calc/drivingstyle/condition_miles.h"
#include "calc/drivingstyle/extra_gallons.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::number_text;
using numbers::single;

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
    WindowDescription d;
    d.window = "E05_Steady_Driving";
    d.caption = "Save By Keeping a Steady Highway Speed";
    d.help_topic = "Highway_driving_style.htm#cruisecontrol";
    d.width = 640;
    d.boxes = {
        {"txtHighway_MPG", "EPA Highway MPG", "",
         "Please enter a valid number for EPA highway MPG, greater than 0."},
        {"txtGas_Cost", "Gas Cost ($/gallon)", "Cost of gasoline (dollars per gallon)",
         "Please enter a valid number for gas cost, greater than 0."},
        {"txtHighway_Mileage", "Yearly Highway Miles",
         "Number of miles driven under highway conditions every year",
         "Please enter a valid number for your total yearly highway mileage, greater than 0."},
    };
    d.results.emplace_back(LabelDesc{"lblResults"});
    d.buttons = standard_buttons(
        "Click here to Calculate results, or update results when the data on left is modified");
    return d;
}

class SteadyDriving final : public Calculator {
public:
    const WindowDescription& description() const override {
        static const WindowDescription d = make_description();
        return d;
    }

    void load(const CarData& car, FormState& s) override {
        s.label("lblResults").text = kIntro;
        s.box("txtHighway_MPG") = number_text(car.Global_EPA_Highway_MPG);
        s.box("txtGas_Cost") = number_text(car.Global_Gas_Cost);
        s.box("txtHighway_Mileage") = number_text(
            condition_miles(car.Global_Yearly_Miles_Traveled, car.Global_Highway_Percent));
    }

    void calculate(FormState& s) override {
        const float e = read_box(s, "txtHighway_MPG");
        const float g = read_box(s, "txtGas_Cost");
        const float y = read_box(s, "txtHighway_Mileage");
        const float gallons = extra_gallons(y, e, kWeavingLossFactor);
        const float money = single(double{gallons} * g);
        const float co2 = single(double{gallons} * kCo2PerGallon);
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
