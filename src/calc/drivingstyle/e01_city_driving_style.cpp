// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/e01_city_driving_style.h"

#include "calc/common_boxes.h"
#include "calc/drivingstyle/condition_miles.h"
#include "calc/drivingstyle/extra_gallons.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::number_text;
using numbers::single;

const char* const kIntro =
    "Changing the way you drive in city conditions can have a major impact on your fuel economy; "
    "do it right, and you'll save lots of money every year. You can also improve your safety, and "
    "even get there faster. Enter your car's EPA city mileage, the cost of gas, and the number of "
    "miles you drive in city conditions every year. Then click on the Calculate button to find out "
    "how much money you could save every year by using smart driving techniques in city "
    "conditions. See the Handbook helpfile manual to find out how.";

// Smart driving avoids at least this loss; twice the saving is the upper end of the range.
constexpr double kCityLossFactor = 0.9;

WindowDescription make_description() {
    WindowDescription d =
        describe_window("E01_City_Driving_Style", "How Much Can You Save With Smart City Driving?",
                        "City_driving_style.htm", "Click here to Calculate results");
    d.boxes = {
        box("txtCity_MPG", "EPA City MPG", "Enter the EPA City MPG (miles per gallon)",
            "Please enter a valid number for MPG, greater than 0.")
            .from(&CarData::Global_EPA_City_MPG),
        gas_cost_box("Cost of gasoline (dollars per gallon)",
                     "Please enter a valid number for gas cost, greater than 0."),
        box("txtCity_Mileage", "Yearly City Miles",
            "Number of miles this vehicle is driven in city conditions (stop and go)",
            "Please enter a valid number for your total yearly city mileage, greater than 0.")
            .with_label_name("lbl_Yearly_Mileage"),
    };
    d.results.emplace_back(LabelDesc{.name = "lblResults"});
    return d;
}

class CityDrivingStyle final : public DescribedCalculator<make_description> {
public:
    void load(const CarData& car, FormState& s) override {
        s.label("lblResults").text = kIntro;
        s.box("txtCity_Mileage") =
            number_text(condition_miles(car.Global_Yearly_Miles_Traveled, car.Global_City_Percent));
    }

    void calculate(FormState& s) override {
        const auto [money, co2] =
            style_saving(s, "txtCity_MPG", "txtCity_Mileage", kCityLossFactor);
        const float money_high = single(double{money} * 2);
        const float co2_high = single(double{co2} * 2);
        s.label("lblResults").text =
            "Over the course of a year, using smart driving techniques in the city could save you "
            "between " +
            format(money, "$#0.00 to ") + format(money_high, "$#0.00 ") +
            " on gas. You could also be putting between " + format(co2, "#0") + " and " +
            format(co2_high, "#0") + " fewer pounds of carbon dioxide into the atmosphere.";
    }
};

} // namespace

std::unique_ptr<Calculator> make_E01_City_Driving_Style() {
    return std::make_unique<CityDrivingStyle>();
}

} // namespace milora::calc
