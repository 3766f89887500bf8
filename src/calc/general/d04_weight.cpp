// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/general/d04_weight.h"

#include "calc/common_boxes.h"
#include "calc/constants.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

// The low estimate: each 100 pounds cost 1 percent of the MPG.
constexpr double kMpgLostPer100Pounds = 0.01;
constexpr float kWeight = 200.0F;
// From here on the lowered MPG is zero or less and the estimate means nothing.
constexpr double kWeightLimit = 10000;

const char* const kWeightLimitMessage =
    "Please enter a valid number for the weight reduction in pounds, less than 10000. The "
    "estimate has no meaning for 10000 pounds or more.";

const char* const kIntro =
    "The less weight your car carries, the less fuel it needs to burn per mile. Enter your car's "
    "combined city/highway mileage, the cost of gas, the number of miles you travel each year, "
    "and the total amount of weight (cargo and passengers) you can remove from your car most of "
    "the time. Click on the Calculate button to find out how much money you might save on extra "
    "gas (and how much less carbon dioxide you'll produce) every year by lightening your load "
    "this way.";

WindowDescription make_description() {
    WindowDescription d =
        describe_window("D04_Weight", "How Much Could Lightening Your Load Save You?", "Weight.htm",
                        "Click here to Calculate results");
    d.boxes = {
        combined_mpg_box("Combined city/highway MPG (miles per gallon)",
                         "Please enter a valid number for MPG, greater than 0."),
        gas_cost_box("Cost of gasoline (dollars per gallon)",
                     "Please enter a valid number for gas cost, greater than 0."),
        box("txtWeight", "Weight You Can Remove From Your Car (lbs.)",
            "Total weight (cargo and passengers) you can remove from this vehicle all or "
            "most of the time (in pounds)",
            "Please enter a valid number for the weight reduction in pounds, greater than 0.")
            .starting_at(kWeight)
            .limited_to(kWeightLimit, kWeightLimitMessage),
        box("txtYearly_Mileage", "Miles Driven Yearly",
            "Miles you drive in this vehicle every year",
            "Please enter a valid number for the total number of miles you travel in a "
            "year, greater than 0.")
            .from(&CarData::Global_Yearly_Miles_Traveled),
    };
    d.results.emplace_back(LabelDesc{.name = "lblResults"});
    return d;
}

class Weight final : public DescribedCalculator<make_description> {
public:
    void load(const CarData& /*car*/, FormState& s) override {
        s.label("lblResults").text = kIntro;
    }

    void calculate(FormState& s) override {
        const auto [mpg, gas, weight, miles] =
            read_boxes(s, {"txtCombined_MPG", "txtGas_Cost", "txtWeight", "txtYearly_Mileage"});
        if (weight >= kWeightLimit) {
            // Validation refuses such a weight; a text set past it is not computed with either.
            s.show(Message{"Data Error", kWeightLimitMessage, Icon::Warning, Buttons::Ok});
            return;
        }
        const double lowered_mpg = (1 - double{weight} / 100 * kMpgLostPer100Pounds) * mpg;
        const double at_lowered = double{miles} / lowered_mpg;
        const float at_full = single(double{miles} / mpg);
        const float gallons = single(at_lowered - at_full);
        const float saving = single(double{gallons} * gas);
        const float co2 = single(double{gallons} * kCo2PerGallon);
        // The high estimate doubles the stored low figures.
        const float saving_high = single(2.0 * saving);
        const float co2_high = single(2.0 * co2);

        s.label("lblResults").text =
            "If you could permanently remove " + format(weight, "#0") +
            " pounds of weight from your car, you could roughly save between " +
            format(saving, "$#0.00 ") + " and " + format(saving_high, "$#0.00 ") +
            "on gas every year, and reduce the yearly amount of carbon dioxide you produce by "
            "between " +
            format(co2, "#0 pounds") + " and " + format(co2_high, "#0 pounds") + ".";
    }
};

} // namespace

std::unique_ptr<Calculator> make_D04_Weight() {
    return std::make_unique<Weight>();
}

} // namespace milora::calc
