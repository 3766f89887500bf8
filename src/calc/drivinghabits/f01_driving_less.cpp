// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivinghabits/f01_driving_less.h"

#include "calc/constants.h"
#include "calc/drivinghabits/trip_costs.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::number_text;
using numbers::single;

constexpr int kColumns = 10; // cuts of 10, 20, ... 100 percent

// Other pollutants: grams emitted per mile, and grams in a pound.
constexpr double kPollutantGramsPerMile = 4.5;
constexpr double kGramsPerPound = 453.5;

const char* const kIntro =
    "Driving less not only means saving money on gas; it also means saving on all the other "
    "costs associated with driving (maintenance, depreciation, insurance, etc.). This calculator "
    "will show you how much this can add up to over the course of a year.";

GridDesc::Row row(const char* caption_name, const char* caption, const char* cells) {
    return {
        LabelDesc{.name = caption_name, .text = caption},
        LabelDesc{
            .name = cells, .first = 1, .last = kColumns, .align = Align::Center, .wrap = false}};
}

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "F01_Driving_Less", "How Much Can You Save By Driving Less?",
        "What_s_The_True_Cost_Of_Driving_.htm",
        "Click here to Calculate results, or to update result when data at left is changed");
    d.box_columns = 2;
    d.width = 1060;
    d.boxes = {
        box("txtYearly_Mileage", "Miles Driven Yearly", "Enter your total yearly mileage traveled",
            "Please enter a valid number of total miles driven every year, greater than zero.")
            .with_label_name("lblTotal_Mileage")
            .from(&CarData::Global_Yearly_Miles_Traveled),
    };
    const std::vector<BoxDesc> per_mile = cost_per_mile_boxes();
    d.boxes.insert(d.boxes.end(), per_mile.begin(), per_mile.end());
    d.results.emplace_back(LabelDesc{.name = "lblInitial_Caption", .text = kIntro});
    d.results.emplace_back(LabelDesc{.name = "lblCurrent_Results", .visible = false});
    GridDesc grid;
    grid.rows = {
        row("lblPercent_Caption",
            "If you decrease the number of miles you drive every year by this percent:",
            "lblPercent"),
        row("lblLess_Miles_Caption",
            "You will drive this many miles less ever year:", "lblLess_Miles"),
        row("lblMoney_Savings_Caption",
            "You will save this much on gas every year:", "lblMoney_Savings"),
        row("Label2", "But save this much in total driving costs per year:", "lblOther_Costs"),
        row("lblCO2_Reduction_Caption",
            "Reducing your carbon dioxide emissions by this many pounds a year:",
            "lblCO2_Reduction"),
        row("lblPollution_Caption",
            "And reducing your emissions of other pollutants by this many pound per year",
            "lblPollution"),
    };
    grid.caption_width = 250;
    grid.cell_width = 62;
    d.results.emplace_back(grid);
    d.results.emplace_back(LabelDesc{.name = "lblDontForget"});
    return d;
}

class DrivingLess final : public DescribedCalculator<make_description> {
public:
    void load(const CarData& /*car*/, FormState& s) override {
        for (int n = 1; n <= kColumns; ++n) {
            s.label("lblPercent", n).text = std::to_string(n * 10) + "%";
        }
    }

    void calculate(FormState& s) override {
        s.label("lblInitial_Caption").visible = false;
        const auto [y, m, g, c] = read_boxes(
            s, {"txtYearly_Mileage", "txtCombined_MPG", "txtGas_Cost", "txtMileage_Cost"});

        const float gallons = single(double{y} / m);
        const float co2 = single(double{gallons} * kCo2PerGallon);
        const float spending = single(double{gallons} * g);
        const float total_cost = single(double{y} * c);
        auto& current = s.label("lblCurrent_Results");
        current.visible = true;
        current.text = "Based on the information above, you're currently spending about " +
                       format(spending, "$#0") +
                       " every year on gas, but your total yearly driving costs, including gas, "
                       "are " +
                       format(total_cost, "$#0") + ".";

        for (int n = 1; n <= kColumns; ++n) {
            const double f = n / 10.0;
            const float left_gallons = single((1 - f) * y / m);
            const float left_spending = single(double{left_gallons} * g);
            s.label("lblMoney_Savings", n).text =
                format(single(double{spending} - left_spending), "$#0");
            s.label("lblOther_Costs", n).text = format(single(f * y * c), "$#0");
            s.label("lblCO2_Reduction", n).text = format(co2 - left_gallons * kCo2PerGallon, "#0");
            // The miles are shown as the plain double they are, not through a pattern.
            s.label("lblLess_Miles", n).text = number_text(n * double{y} / 10);
            s.label("lblPollution", n).text =
                format(f * y * kPollutantGramsPerMile / kGramsPerPound, "#0");
        }
        s.label("lblDontForget").text = "... and don't forget, the less time you spend driving, "
                                        "the more time you'll have to do other things.";
    }
};

} // namespace

std::unique_ptr<Calculator> make_F01_Driving_Less() {
    return std::make_unique<DrivingLess>();
}

} // namespace milora::calc
