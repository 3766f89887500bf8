// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/fillingup/b04_gas_air_temp.h"

#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

#include <utility>

namespace milora::calc {
namespace {

using numbers::format;
using numbers::number_text;
using numbers::single;

const char* const kIntro =
    "There's a common belief that you can save a lot on gasoline by buying it early in the "
    "morning, because the gas will be cooler and denser at that time then it will be later on in "
    "the day after it heats up. See the Help manual to find out why this belief is almost "
    "certainly false, and why filling up in the morning can actually have negative environmental "
    "consequences. But even if there's a slightest bit of truth to this belief, your savings are "
    "going to be small. Enter the highest and lowest temperatures you think the gasoline at a "
    "filling station might reach during a 24-hour period, along with the other data, and find out "
    "how little you'd actually save even if this were true.";

const char* const kSwapped =
    "The high temperature you entered was lower than the low temperature, so I've taken the "
    "liberty of swapping the two numbers";

const int kIntroPoints = 10;
const int kResultPoints = 12;

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "B04_Gas_Air_Temp", "Savings If Gas Temp Changes With Air Temp", "Best_Time_To_Fillup.htm",
        "Click here to Calculate the results, or update the results when the data at left is "
        "changed");
    d.boxes = {
        box("txtHighTemp", "Highest Gas Temp  (F)",
            "Enter the highest temperature (Fahrenheit) you think the gas might be at "
            "during the day",
            "Please enter a valid number for the highest temperature (F) you think that "
            "gas in the filling station tank will reach, greater than zero.")
            .starting_at(82.0F),
        box("txtLowTemp", "Lowest Gas Temp (F)",
            "Enter the lowest temperature (Fahrenheit) you think the gas might be at in "
            "the morning",
            "Please enter a valid number for the lowest temperature (F) you think that gas "
            "in the filling station tank will reach, greater than zero.")
            .starting_at(79.0F),
        box("txtGallonsPurchased", "Gallons Purchased",
            "Enter a typical number of gallons of gas you buy when you fill up your tank",
            "Please enter a valid number for the number of gallons of gas purchased, "
            "greater than zero.")
            .starting_at(10.0F),
        box("txtGas_Cost", "Gas cost ($/gallon)", "Enter the cost of gasoline (dollars per gallon)",
            "Please enter a valid number for the cost of gas ($/gallon), greater than zero.")
            .from(&CarData::Global_Gas_Cost),
    };
    d.results.emplace_back(LabelDesc{.name = "lblGasTempResults"});
    d.button(ButtonRole::Calculate).name = "cmdCalculateTemp";
    d.set_tooltips("Click here to Print the results", "Click here to open the Help manual",
                   "Click here to Exit the calculator");
    return d;
}

class GasAirTemp final : public DescribedCalculator<make_description> {
public:
    void load(const CarData& /*car*/, FormState& s) override {
        auto& result = s.label("lblGasTempResults");
        result.points = kIntroPoints;
        result.text = kIntro;
    }

    void calculate(FormState& s) override {
        float hi = read_box(s, "txtHighTemp");
        float lo = read_box(s, "txtLowTemp");
        const float n = read_box(s, "txtGallonsPurchased");
        const float p = read_box(s, "txtGas_Cost");
        if (hi < lo) {
            std::swap(hi, lo);
            s.box("txtHighTemp") = number_text(hi);
            s.box("txtLowTemp") = number_text(lo);
            s.show(Message{kProgramTitle, kSwapped, Icon::None, Buttons::Ok});
        }
        // Expansion per degree, taken at the mean temperature.
        const float k = single((double{lo} + hi) / 2 * 0.00000663 + 0.000225);
        const float saving = single((double{hi} - lo) * k * n * p);

        auto& result = s.label("lblGasTempResults");
        result.points = kResultPoints;
        result.text = "If you assume that the temperature of the "
                      "gas you're pumping changes with the air temperature, "
                      "you will save only " +
                      format(saving, "$#0.00,") + ", or about " +
                      format(double{saving} / n, "$#0.00") + " a gallon, by buying " +
                      format(n, "00.0 ") + "gallons of gas when the " + "gas temperature is " +
                      format(lo, "#00 ") + "instead of when it's " + format(hi, "#00") +
                      ". See the Help manual to see why you are unlikely to see even these small "
                      "savings in real life.";
    }
};

} // namespace

std::unique_ptr<Calculator> make_B04_Gas_Air_Temp() {
    return std::make_unique<GasAirTemp>();
}

} // namespace milora::calc
