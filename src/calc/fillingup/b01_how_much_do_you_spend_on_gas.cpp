// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/fillingup/b01_how_much_do_you_spend_on_gas.h"

#include "calc/common_boxes.h"
#include "calc/constants.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

const char* const kIntro =
    "Even a small increase in MPG could save you a lot of money over the course of a year. This "
    "calculator will show you how much you spend on gas every year, and how much money you could "
    "save over that period by improving your gas mileage by 10-50%. It will also calculate the "
    "reduction in carbon dioxide emissions you could achieve by improving your fuel economy.";

GridDesc::Row row(const char* caption_name, const char* caption, const char* cells) {
    return {LabelDesc{.name = caption_name, .text = caption},
            LabelDesc{.name = cells, .first = 1, .last = 5, .align = Align::Center}};
}

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "B01_HowMuchDoYouSpendOnGas", "How Much Do You Spend On Gas, And How Much Can You Save?",
        "How_Much_Do_You_Spend_On_Gas.htm",
        "Click here to Calculate results, or update results after data at left is changed");
    d.width = 760;
    d.boxes = {
        combined_mpg_box(
            "Enter your combined city/highway MPG",
            "Please enter a valid fuel economy figure (miles per gallon), greater than zero."),
        gas_cost_box("Enter the cost of gas ($ per gallon)",
                     "Please enter a valid gas price, greater than zero.")
            .with_label_tooltip("Cost of gasoline (dollars per gallon)"),
        box("txtTotal_Mileage", "Miles Driven Yearly", "Enter your total yearly mileage traveled",
            "Please enter a valid yearly mileage, greater than zero.")
            .from(&CarData::Global_Yearly_Miles_Traveled),
    };
    d.results.emplace_back(LabelDesc{.name = "lblInitial_Caption", .text = kIntro});
    d.results.emplace_back(LabelDesc{.name = "lblCurrent_Results", .visible = false});
    GridDesc grid;
    grid.rows = {
        row("lblPercent_Caption", "If you improve your gas mileage by this percent:", "lblPercent"),
        row("lblNew_MPG_Caption", "Your new MPG will be:", "lblNew_MPG"),
        row("lblMoney_Total_Caption",
            "You will spend this much on gas in a year:", "lblMoney_Total"),
        row("lblMoney_Savings_Caption", "Saving this much money a year:", "lblMoney_Savings"),
        row("lblCO2_Total_Caption",
            "Your total CO2 production will be this many pounds:", "lblCO2_Total"),
        row("lblCO2_Reduction_Caption",
            "Which is a reduction in carbon dioxide production of this many pounds:",
            "lblCO2_Reduction"),
    };
    d.results.emplace_back(grid);
    d.button(ButtonRole::Exit).tooltip.clear(); // Exit carries no tooltip in this window
    return d;
}

class YearlySpending final : public DescribedCalculator<make_description> {
public:
    void load(const CarData& /*car*/, FormState& s) override {
        for (int d = 1; d <= 5; ++d) {
            s.label("lblPercent", d).text = std::to_string(d * 10) + "%";
        }
    }

    void calculate(FormState& s) override {
        s.label("lblInitial_Caption").visible = false;
        const auto [m, g, p] =
            read_boxes(s, {"txtTotal_Mileage", "txtCombined_MPG", "txtGas_Cost"});
        const float gallons = single(double{m} / g);
        const float co2 = single(double{gallons} * kCo2PerGallon);
        const float spending = single(double{gallons} * p);

        auto& result = s.label("lblCurrent_Results");
        result.visible = true;
        result.text = "Based on the information above, you're currently spending about " +
                      format(spending, "$#0") + " every year to buy " + format(gallons, "#0") +
                      " gallons of gas, and producing " + format(co2, "#0") +
                      " pounds of carbon dioxide.";

        for (int d = 1; d <= 5; ++d) {
            const float f = single(d / 10.0 + 1);
            const float new_gallons = single(double{m} / (double{f} * g));
            s.label("lblMoney_Total", d).text = format(double{new_gallons} * p, "$#0");
            // The saving is taken from the whole-dollar total as shown.
            s.label("lblMoney_Savings", d).text =
                format(spending - read_label(s, "lblMoney_Total", d), "$#0");
            s.label("lblCO2_Total", d).text = format(double{new_gallons} * kCo2PerGallon, "#0");
            s.label("lblCO2_Reduction", d).text =
                format(co2 - read_label(s, "lblCO2_Total", d), "#0");
            s.label("lblNew_MPG", d).text = format(double{f} * g, "#0.0");
        }
    }
};

} // namespace

std::unique_ptr<Calculator> make_B01_HowMuchDoYouSpendOnGas() {
    return std::make_unique<YearlySpending>();
}

} // namespace milora::calc
