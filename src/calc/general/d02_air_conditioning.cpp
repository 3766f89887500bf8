// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/general/d02_air_conditioning.h"

#include "calc/common_boxes.h"
#include "calc/constants.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

constexpr double kMpgLeftWithAc = 0.79; // 21 percent worse with the air conditioning on
constexpr float kAcMiles = 4000.0F;

const char* const kIntro =
    "Using your air conditioning (A/C) puts a significant extra load on your car's engine, "
    "decreasing your fuel economy. Enter your car's combined city/highway mileage, the cost of "
    "gas, and the approximate number of miles you drive every year with the air conditioning on. "
    "Then click on the Calculate button to find out how much money using the A/C might cost you "
    "for every 1000 miles you drive, and over the course of a full year.";

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "D02_Air_Conditioning", "How Much Does Air Conditioning Cost You?", "Air_conditioning.htm",
        "Click here to Calculate results, or to update results after changing data on left");
    d.boxes = {
        combined_mpg_box("Enter your combined city/highway MPG (miles per gallon)",
                         "Please enter a valid number for MPG, greater than 0."),
        gas_cost_box("Enter the cost of gasoline (dollars per gallon)",
                     "Please enter a valid number for gas cost, greater than 0."),
        box("txtAC_Mileage", "Miles Driven With A/C On In One Year",
            "Enter the approximate number of miles you drive every year with the air "
            "conditioning on",
            "Please enter a valid number for your total yearly mileage with the A/C on, "
            "greater than 0.")
            .starting_at(kAcMiles),
    };
    d.results.emplace_back(LabelDesc{.name = "lblResults"});
    d.results.emplace_back(LabelDesc{.name = "lblYearly_Results"});
    return d;
}

// Extra gallons burned over `miles` with the air conditioning on, evaluated whole.
float extra_gallons(float miles, float mpg) {
    return single(double{miles} / (double{mpg} * kMpgLeftWithAc) - double{miles} / mpg);
}

class AirConditioning final : public DescribedCalculator<make_description> {
public:
    void load(const CarData& /*car*/, FormState& s) override {
        s.label("lblResults").text = kIntro;
    }

    void calculate(FormState& s) override {
        const auto [mpg, gas, ac_miles] =
            read_boxes(s, {"txtCombined_MPG", "txtGas_Cost", "txtAC_Mileage"});
        // Every figure is computed before either label is written, so a fault leaves both.
        const float gallons_1000 = extra_gallons(1000.0F, mpg);
        const float cost_1000 = single(double{gallons_1000} * gas);
        const float co2_1000 = single(double{gallons_1000} * kCo2PerGallon);
        const float gallons_year = extra_gallons(ac_miles, mpg);
        const float cost_year = single(double{gallons_year} * gas);
        const float co2_year = single(double{gallons_year} * kCo2PerGallon);

        s.label("lblResults").text =
            "For every 1000 miles you drive with the air conditioning on, you will spend about " +
            format(cost_1000, "$#0.00") + " extra on gas. You could also be putting as much as " +
            format(co2_1000, "#0") +
            " pounds of extra carbon dioxide directly into the atmosphere.";
        s.label("lblYearly_Results").text =
            "Over the course of a full year, if you drive " + format(ac_miles, "#0") +
            " miles with the air conditioning on, you will spend " + format(cost_year, "$#0.00 ") +
            "more on gas than you would have with the A/C off, and could put as much as " +
            format(co2_year, "#0") + " more pounds of carbon dioxide into the air.";
    }
};

} // namespace

std::unique_ptr<Calculator> make_D02_Air_Conditioning() {
    return std::make_unique<AirConditioning>();
}

} // namespace milora::calc
