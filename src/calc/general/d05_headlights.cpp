// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/general/d05_headlights.h"

#include "calc/common_boxes.h"
#include "calc/constants.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

// Minutes of headlight use a year per gallon: 0.01 gallon an hour.
constexpr double kMinutesPerGallon = 6000;
constexpr float kHeadlightMinutes = 30.0F;
// The result label is bold throughout; the intro is the smaller of its two sizes.
constexpr int kIntroPoints = 10;
constexpr int kResultPoints = 12;

const char* const kIntro =
    "Headlight use should always be dictated by safety issues, not fuel economy. But if you "
    "safely reduce your headlight usage, you can save a bit on gas. Enter the cost of gas, and "
    "the average number of minutes per day you can safely reduce your headlight use. Click on "
    "Calculate, and find out how much money you can save on gas every year, and how much less "
    "carbon dioxide you will produce every year.";

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "D05_Headlights", "Reduce Headlight Use, Save Gas", "Headlights.htm",
        "Click here to Calculate results, or to update result with modified data on left");
    d.boxes = {
        box("txtHeadlight_Reduction", "Reduction in Daily Headlight Use (Minutes)",
            "Enter the average number of minutes per day you could safely reduce your "
            "headlight usage",
            "Please enter a valid number for the reduction in headlight use in minutes, "
            "greater than 0.")
            .starting_at(kHeadlightMinutes),
        gas_cost_box("Enter the cost of gasoline (dollars per gallon)",
                     "Please enter a valid number for gas cost, greater than 0."),
    };
    d.results.emplace_back(LabelDesc{.name = "lblResults", .bold = true, .points = kIntroPoints});
    return d;
}

class Headlights final : public DescribedCalculator<make_description> {
public:
    void load(const CarData& /*car*/, FormState& s) override {
        auto& result = s.label("lblResults");
        result.bold = true;
        result.points = kIntroPoints;
        result.text = kIntro;
    }

    void calculate(FormState& s) override {
        const float gas = read_box(s, "txtGas_Cost");
        const float minutes = read_box(s, "txtHeadlight_Reduction");
        const float gallons = single(double{minutes} * 365 / kMinutesPerGallon);
        const float cost = single(double{gallons} * gas);
        const float co2 = single(double{gallons} * kCo2PerGallon);

        auto& result = s.label("lblResults");
        result.points = kResultPoints;
        result.bold = true;
        result.text = "If you can safely reduce your average daily headlight use by " +
                      format(minutes, "#0") + " minutes a day, you will save " +
                      format(cost, "$#0.00") + " a year on gas, and produce " + format(co2, "#0") +
                      " fewer pounds of carbon dioxide every year.";
    }
};

} // namespace

std::unique_ptr<Calculator> make_D05_Headlights() {
    return std::make_unique<Headlights>();
}

} // namespace milora::calc
