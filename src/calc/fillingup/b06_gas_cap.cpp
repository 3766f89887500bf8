// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/fillingup/b06_gas_cap.h"

#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

const char* const kIntro = "Is your gas cap missing? If yes, gasoline will be continously "
                           "evaporating from your tank. Find out how much this could be costing "
                           "you every year.";

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "B06_Gas_Cap", "Cost Of A Missing Gas Cap", "Gas_Cap.htm",
        "Click here to Calculate results, or update results when data at left is changed");
    d.width = 560;
    d.boxes = {
        box("txtGas_Cost", "Gas Cost ($/gallon):", "Cost of gas (dollars per gallon)",
            "Please enter a valid gas price (dollars per gallon).")
            .with_label_name("lblGasCost")
            .from(&CarData::Global_Gas_Cost),
    };
    d.results.emplace_back(LabelDesc{.name = "lblEvapCosts"});
    d.button(ButtonRole::Calculate).name = "cmdGasEvap";
    return d;
}

class GasCap final : public DescribedCalculator<make_description> {
public:
    void load(const CarData& /*car*/, FormState& s) override {
        s.label("lblEvapCosts").text = kIntro;
    }

    void calculate(FormState& s) override {
        // Gallons evaporated a year, held as a single (24.333334).
        const float evaporated = single(365.0 / 15.0);
        const float p = read_box(s, "txtGas_Cost");
        const float cost = single(double{evaporated} * p);
        s.label("lblEvapCosts").text =
            "A missing gas cap can result in the evaporation of roughly "
            "24 gallons of gas per year, costing you " +
            format(cost, "$#0.00") +
            ". It also increase pollution, and may even require expensive repairs; see the "
            "Handbook helpfile for more info.";
    }
};

} // namespace

std::unique_ptr<Calculator> make_B06_Gas_Cap() {
    return std::make_unique<GasCap>();
}

} // namespace milora::calc
