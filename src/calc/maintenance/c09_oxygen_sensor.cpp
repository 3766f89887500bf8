// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/c09_oxygen_sensor.h"

#include "calc/common_boxes.h"
#include "calc/maintenance/loss_calculator.h"
#include "calc/maintenance/mpg_loss.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

// The fraction of its MPG the car keeps with a bad sensor, at the low and the high estimate.
const double kLowKept = 0.9;
const double kHighKept = 0.85;

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "C09_Oxygen_Sensor", "How Much Might A Bad Oxygen Sensor Cost You?", "Oxygen_sensor.htm",
        "Click here to Calculate results, or to update result when the data on the left is "
        "changed");
    d.boxes = {
        combined_mpg_box("The car's combined city/highway MPG (miles per gallon)",
                         maintenance::kMpgMessage),
        gas_cost_box("Cost of gasoline (dollars per gallon)", maintenance::kGasCostMessage),
        box("txtYearly_Mileage", "Miles Driven Yearly",
            "Number of miles your car is driven every year on average",
            "Please enter a valid number for your total yearly mileage, greater than 0.")
            .with_label_name("lbl_Yearly_Mileage")
            .from(&CarData::Global_Yearly_Miles_Traveled),
    };
    d.results.emplace_back(LabelDesc{.name = "lblResults"});
    d.results.emplace_back(LabelDesc{.name = "lblYearly_Results"});
    d.set_tooltips("Click here to Print the results", "Click here to open the Help manual",
                   "Click here to Exit the calculator");
    return d;
}

class OxygenSensor final : public DescribedCalculator<make_description> {
public:
    void load(const CarData& /*car*/, FormState& s) override {
        s.label("lblResults").text =
            "Your car's oxygen sensor plays a crucial role in controlling how efficiently the "
            "engine "
            "burns gas. Enter your car's combined city/highway mileage, and the cost of gas, then "
            "click on the Calculate button "
            "to find out how much money a bad oxygen sensor might cost you for every 1000 miles "
            "you drive, and over the course of a full year.";
    }

    void calculate(FormState& s) override {
        using maintenance::extra_gallons;
        const auto [mpg, gas_cost, yearly] =
            read_boxes(s, {"txtCombined_MPG", "txtGas_Cost", "txtYearly_Mileage"});

        // Every figure first: a fault on the way leaves both labels as they were.
        const float low_gallons = extra_gallons(1000, mpg, kLowKept);
        const float high_gallons = extra_gallons(1000, mpg, kHighKept);
        const float low_cost = single(double{low_gallons} * gas_cost);
        const float high_cost = single(double{high_gallons} * gas_cost);
        const float low_yearly_gallons = extra_gallons(yearly, mpg, kLowKept);
        const float high_yearly_gallons = extra_gallons(yearly, mpg, kHighKept);
        const float low_yearly_cost = single(double{low_yearly_gallons} * gas_cost);
        const float high_yearly_cost = single(double{high_yearly_gallons} * gas_cost);

        s.label("lblResults").text =
            "For every 1000 miles you drive with a bad oxygen sensor, you might be spending "
            "between " +
            format(low_cost, "$#0.00 to ") + format(high_cost, "$#0.00 ") +
            "extra on gas. You could also be putting as much as " +
            format(high_gallons, "#0 gallons ") +
            "of gasoline hydrocarbon pollution directly into the atmosphere.";
        s.label("lblYearly_Results").text =
            "Over the course of a full year, a bad oxygen sensor could cost you between " +
            format(low_yearly_cost, "$#0.00 to ") + format(high_yearly_cost, "$#0.00 ") +
            "extra on gas, and could put "
            "as much as " +
            format(high_yearly_gallons, "#0 gallons ") +
            "of gasoline hydrocarbon pollution into the air.";
    }
};

} // namespace

std::unique_ptr<Calculator> make_C09_Oxygen_Sensor() {
    return std::make_unique<OxygenSensor>();
}

} // namespace milora::calc
