// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/fillingup/b03_expensive_vs_cheap.h"

#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

const char* const kIntro =
    "If you have the choice, buying regular instead of premium, or a cheaper brand of gasoline, "
    "can save you big bucks. Enter the difference in price between the cheap and expensive "
    "gasolines, along with the other information, and click on Calculate to find out how much you "
    "can save over one and five years by choosing the cheaper brand.";

const float kPriceDifference = 0.2F;
const float kYearlyDistance = 15000.0F;

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "B03_Expensive_Vs_Cheap", "Expensive Vs. Cheap Gasoline", "Cheap_vs__Expensive_Gas.htm",
        "Click here to calculate the initial results, and results (you will also need to click "
        "Calculate again if you change any of the numbers)");
    d.boxes = {
        box("txtCombined_MPG", "Combined city/hwy MPG",
            "Enter the combined city/highway MPG here (miles per gallon)",
            "Please enter a valid number for your car's city mileage.")
            .from(&CarData::Global_Combined_MPG),
        box("txtGas_Cost", "Difference in cost between cheap and expensive gas",
            "Enter the difference in price between the cheaper and more expensive brand of "
            "gasolines you have a choice of buying, dollars per gallon",
            "Please enter a valid amount for how much more premium costs you versus regular.")
            .starting_at(kPriceDifference),
        box("txtYearlyDistance", "Miles Driven Yearly",
            "Enter the total number of miles you drive this vehicle every year on average",
            "Please enter a valid yearly mileage for your car.")
            .starting_at(kYearlyDistance),
    };
    d.results.emplace_back(LabelDesc{.name = "lblInitial_Caption", .text = kIntro});
    d.results.emplace_back(LabelDesc{.name = "lblOneYearPR", .text = "Savings over one year"});
    d.results.emplace_back(LabelDesc{.name = "lblFiveYearPR", .text = "Savings over five years"});
    d.button(ButtonRole::Calculate).name = "cmdCalculatePR";
    d.button(ButtonRole::Print).name = "cmdPrintPR";
    d.set_tooltips("Click here to print this form", "Click here to open the Help manual",
                   "Click her to Exit this Calculator");
    return d;
}

class ExpensiveVsCheap final : public DescribedCalculator<make_description> {
public:
    void calculate(FormState& s) override {
        s.label("lblInitial_Caption").visible = false;
        const auto [g, d, y] =
            read_boxes(s, {"txtCombined_MPG", "txtGas_Cost", "txtYearlyDistance"});
        const float saving = single(double{y} / g * d);
        s.label("lblOneYearPR").text = "In one year, you will save " + format(saving, "$#0.00 ") +
                                       "by buying the cheaper brand of gasoline.";
        s.label("lblFiveYearPR").text = "Over five years, you will save " +
                                        format(double{saving} * 5, "$#0.00 ") +
                                        "by buying the cheaper brand of gasoline.";
    }
};

} // namespace

std::unique_ptr<Calculator> make_B03_Expensive_Vs_Cheap() {
    return std::make_unique<ExpensiveVsCheap>();
}

} // namespace milora::calc
