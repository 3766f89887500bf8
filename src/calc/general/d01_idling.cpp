// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/general/d01_idling.h"

#include "calc/common_boxes.h"
#include "calc/constants.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

constexpr double kGallonsPerIdlingHourLow = 0.5; // the high estimate is twice the low one
constexpr double kOtherPollutantsPerGallon = 0.462;
constexpr float kIdlingMinutes = 10.0F;

const char* const kIntro =
    "When your car idles (engine running, but the car not moving), it gets zero miles per gallon. "
    "Enter the cost of gas, and the average number of minutes per day you can reduce "
    "unnecessary idling. Click on Calculate, and find out how much money you can save on gas "
    "every year, and how much less carbon dioxide you will produce every year.";

WindowDescription make_description() {
    WindowDescription d = describe_window("D01_Idling", "Reduce Idling, Save Gas", "Idling.htm",
                                          "Click here to Calculate results");
    d.boxes = {
        box("txtIdling_Reduction", "Reduction in Daily Idling (Minutes)",
            "How many minutes on average per day you think you can reduce your idling",
            "Please enter a valid number for the reduction in daily idling in minutes, "
            "greater than 0.")
            .with_label_name("lblHeadlight_Reduction")
            .starting_at(kIdlingMinutes),
        gas_cost_box("Cost of gasoline (dollars per gallon)",
                     "Please enter a valid number for gas cost, greater than 0."),
    };
    d.results.emplace_back(LabelDesc{.name = "lblResults"});
    return d;
}

class Idling final : public DescribedCalculator<make_description> {
public:
    void load(const CarData& /*car*/, FormState& s) override {
        s.label("lblResults").text = kIntro;
    }

    void calculate(FormState& s) override {
        const float gas = read_box(s, "txtGas_Cost");
        const float minutes = read_box(s, "txtIdling_Reduction");
        const float gallons = single(double{minutes} * 365 / 60 * kGallonsPerIdlingHourLow);
        const float cost = single(double{gallons} * gas);
        const float co2 = single(double{gallons} * kCo2PerGallon);
        const float other = single(double{gallons} * kOtherPollutantsPerGallon);
        // The high estimate doubles the stored low figures.
        const float cost_high = single(2.0 * cost);
        const float co2_high = single(2.0 * co2);
        const float other_high = single(2.0 * other);

        s.label("lblResults").text =
            "If you can reduce the average amount of time you spend idling by " +
            format(minutes, "#0") + " minutes every day, you will save between " +
            format(cost, "$#0.00") + " and " + format(cost_high, "$#0.00") +
            " a year on gas, and produce between " + format(co2, "#0") + " and " +
            format(co2_high, "#0") +
            " fewer pounds of carbon dioxide every year. You will also cut your output of carbon "
            "monoxide, nitrogen oxides,  particulates and other pollutants by " +
            format(other, "#0") + " to " + format(other_high, "#0") + " pounds per year.";
    }
};

} // namespace

std::unique_ptr<Calculator> make_D01_Idling() {
    return std::make_unique<Idling>();
}

} // namespace milora::calc
