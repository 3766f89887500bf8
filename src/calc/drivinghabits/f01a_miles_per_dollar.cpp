// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivinghabits/f01a_miles_per_dollar.h"

#include "calc/drivinghabits/trip_costs.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

const char* const kIntro =
    "Maybe it's time to stop thinking about miles per gallon, and start thinking about miles per "
    "dollar. This calculator will figure out how many miles you're getting both for a dollar of "
    "gas by itself, and a dollar of total driving costs.";

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "F01a_Miles_Per_Dollar", "Miles Per Dollar, & Dollars Per Mile", "Miles_Per_Dollar.htm",
        "Click here to Calculate results, or to update result when data at left is changed");
    d.width = 560;
    d.boxes = cost_per_mile_boxes();
    d.results.emplace_back(LabelDesc{.name = "lblGas_Dollars", .text = kIntro});
    d.results.emplace_back(LabelDesc{.name = "lblDollars_Per_Mile"});
    return d;
}

class MilesPerDollar final : public DescribedCalculator<make_description> {
public:
    void calculate(FormState& s) override {
        const auto [m, g, c] = read_boxes(s, {"txtCombined_MPG", "txtGas_Cost", "txtMileage_Cost"});
        const float gas_miles = single(double{m} / g);
        const float all_miles = single(1.0 / c);
        s.label("lblGas_Dollars").text =
            "Including just the cost of gasoline, you're only getting about " +
            format(gas_miles, "0.0") +
            " miles per dollar; that means that every mile you drive costs you " +
            format(single(1.0 / gas_miles), "$#0.00") + ".";
        s.label("lblDollars_Per_Mile").text =
            "Including all driving costs, you're only getting " + format(all_miles, "0.0") +
            " miles per dollar, based on the mileage rate above of " + format(c, "$#0.000") +
            " per mile.";
    }
};

} // namespace

std::unique_ptr<Calculator> make_F01a_Miles_Per_Dollar() {
    return std::make_unique<MilesPerDollar>();
}

} // namespace milora::calc
