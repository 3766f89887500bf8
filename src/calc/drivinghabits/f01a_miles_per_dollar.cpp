// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivinghabits/f01a_miles_per_dollar.h"

#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::number_text;
using numbers::single;

const char* const kIntro =
    "Maybe it's time to stop thinking about miles per gallon, and start thinking about miles per "
    "dollar. This calculator will figure out how many miles you're getting both for a dollar of "
    "gas by itself, and a dollar of total driving costs.";

WindowDescription make_description() {
    WindowDescription d;
    d.window = "F01a_Miles_Per_Dollar";
    d.caption = "Miles Per Dollar, & Dollars Per Mile";
    d.help_topic = "Miles_Per_Dollar.htm";
    d.width = 560;
    d.boxes = {
        {"txtCombined_MPG", "Combined City/Hwy MPG", "Enter your combined city/highway MPG",
         "Please enter a valid fuel economy figure (miles per gallon), greater than zero.", "",
         "Label1"},
        {"txtGas_Cost", "Gas Cost ($/gallon)", "Enter the cost of gas (dollars per gallon)",
         "Please enter a valid gas price, greater than zero.", "", "lblGas_Cost"},
        {"txtMileage_Cost", "Driving Cost ($/ mile)",
         "Enter the true total cost of driving one mile (dollars per mile)",
         "Please enter a valid number for the total cost of driving per mile, greater than zero.",
         "", "lblDriving_Cost"},
    };
    d.results.emplace_back(LabelDesc{"lblGas_Dollars", kIntro});
    d.results.emplace_back(LabelDesc{"lblDollars_Per_Mile"});
    d.buttons = standard_buttons(
        "Click here to Calculate results, or to update result when data at left is changed");
    return d;
}

class MilesPerDollar final : public Calculator {
public:
    const WindowDescription& description() const override {
        static const WindowDescription d = make_description();
        return d;
    }

    void load(const CarData& car, FormState& s) override {
        s.box("txtCombined_MPG") = number_text(car.Global_Combined_MPG);
        s.box("txtGas_Cost") = number_text(car.Global_Gas_Cost);
        s.box("txtMileage_Cost") = number_text(car.Global_Mileage_Cost);
    }

    void calculate(FormState& s) override {
        const float m = read_box(s, "txtCombined_MPG");
        const float g = read_box(s, "txtGas_Cost");
        const float c = read_box(s, "txtMileage_Cost");
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
