// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/c04_radial_bias.h"

#include "calc/common_boxes.h"
#include "calc/maintenance/mpg_loss.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

const double kBiasLossPercent = 3; // bias ply tires cost this percent of the MPG

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "C04_Radial_Bias", "Comparison of Radial and Bias Ply Tires", "Tires.htm#radialbias",
        "Click here to Calculate and display results, and to update "
        "results when you change any of the data on the left");
    // Two columns, filled column by column: the bias tire beside the radial tire
    d.box_columns = 2;
    d.width = 760;
    d.boxes = {
        gas_cost_box("Gas Cost (dollars per gallon)",
                     "Please enter a valid number for the cost of gas, greater than 0."),
        box("txtBias_Life", "Bias Ply Rated Tire Life In Miles",
            "Rated life of the bias ply tire in miles",
            "Please enter a valid number for the rated mileage life of a bias ply tire, "
            "greater than 0.")
            .starting_at(40000.0F),
        box("txtBias_Cost", "Cost Of One Bias Ply Tire", "Cost of a single bias ply tire (dolalrs)",
            "Please enter a valid number for the cost of a bias ply tire, greater than 0.")
            .starting_at(70.0F),
        combined_mpg_box(
            "Combined city/highway MPG (miles per gallon)",
            "Please enter a valid number for your car's average combined mileage, greater "
            "than 0."),
        box("txtRadial_Life", "Radial Ply Rated Tire Life In Miles",
            "Rated life of the radial ply tire in miles",
            "Please enter a valid number for the rated mileage life of a radial ply tire, "
            "greater than 0.")
            .starting_at(60000.0F),
        box("txtRadial_Cost", "Cost Of One Radial Ply Tire",
            "Cost of a single radial ply tire (dollars)",
            "Please enter a valid number for the cost of a radial ply tire, greater than 0.")
            .starting_at(100.0F),
    };
    d.results.emplace_back(LabelDesc{.name = "lblResults"});
    return d;
}

class RadialBias final : public DescribedCalculator<make_description> {
public:
    void load(const CarData& /*car*/, FormState& s) override {
        s.label("lblResults").text =
            "Bias ply tires cost less than radial ply tires. But radial tires usually "
            "give you better gas mileage, especially at highway speeds, last longer, and handle "
            "better. This "
            "calculator will show you how much you will save in the long run by choosing radial "
            "ply tires instead "
            "of bias ply, both in gas savings and longer tire life.";
    }

    void calculate(FormState& s) override {
        const auto [mpg, radial_life, bias_life, radial_cost, bias_cost, gas_cost] =
            read_boxes(s, {"txtCombined_MPG", "txtRadial_Life", "txtBias_Life", "txtRadial_Cost",
                           "txtBias_Cost", "txtGas_Cost"});

        const float upfront = single((double{radial_cost} - bias_cost) * 4);
        const float extra_miles = single(double{radial_life} - bias_life);
        const float life_fraction = single(double{extra_miles} / bias_life);
        const maintenance::MpgLoss loss = maintenance::mpg_loss(
            bias_life, mpg, maintenance::mpg_kept(kBiasLossPercent), gas_cost);
        const float replacement = single(double{bias_cost} * 4 * life_fraction);
        const float net = single(double{replacement} + loss.cost - upfront);

        s.label("lblResults").text =
            "Buying four bias ply tires will cost you " + format(upfront, "$#0.00 ") +
            "less upfront than four radial ply tires. But over the life of the bias ply tires, "
            "you will spend about " +
            format(loss.cost, "$#0.00 ") +
            "more for gas than you would have if you had bought radial ply tires, "
            "and you will have produced " +
            format(loss.co2, "#0") +
            " more pounds of carbon dioxide as well. And, since radial tires "
            "would have lasted an additional " +
            format(extra_miles, "#0 miles ") +
            "longer than the bias ply tires, you will "
            "effectively pay an additional " +
            format(replacement, "$#0.00 ") +
            "extra to replace the bias tires "
            "more frequently than the radial tires. So while buying bias ply tires may seem "
            "cheaper upfront, "
            "in the long run, you will actually save " +
            format(net, "$#0.00 ") + "by buying radial tires instead.";
    }
};

} // namespace

std::unique_ptr<Calculator> make_C04_Radial_Bias() {
    return std::make_unique<RadialBias>();
}

} // namespace milora::calc
