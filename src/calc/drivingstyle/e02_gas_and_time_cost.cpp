// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/e02_gas_and_time_cost.h"

#include "calc/constants.h"
#include "calc/drivingstyle/speed_model.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

const char* const kIntro =
    "Usually, the faster you drive on the highway, the fewer miles per gallon your vehicle will "
    "get; that means you're effectively paying a higher price for a gallon of gas when you drive "
    "faster. Driving faster will get you to your destination sooner, but you'll pay a premium for "
    "that lower travel time. This calculator will show you how your MPG drops with speed, what the "
    "\"effective\" price of a gallon of gas is as you drive faster, how much you're spending to "
    "cut "
    "your travel time by an hour, and how many more pounds of carbon dioxide you're producing per "
    "hour by driving at that higher speed.";

const char* const kCompareBeforeCalculate =
    "Negative dollar amounts (in red) indicate that driving at that speed will actually cost you "
    "more than driving at your selected speed.";
const char* const kCompareToBase =
    "Negative dollar amount (in red) indicate that driving at that speed will actually cost you "
    "more than driving at your selected speed. A negative carbon dioxide number (in red) indicates "
    "that you will produce more CO2 traveling at that speed.";
const char* const kLessCo2 = "and your car will put out this many pounds less of carbon dioxide "
                             "for that extra hour:";
const char* const kNotApplicable = "Not applicable";

LabelDesc heading(const char* name, const char* text) {
    return LabelDesc{.name = name, .text = text, .bold = true, .align = Align::Center};
}

// A heading or a note across the whole table, between its rows.
GridDesc::Row across(LabelDesc label) {
    return {std::move(label), LabelDesc{}};
}

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "E02_Gas_And_Time_Cost", "Gas And Time Cost Calculator", "Highway_driving_style.htm",
        "Click here to Calculate results, or to update results when data above is modified");
    d.landscape = true;
    d.box_columns = 2;
    d.width = kSpeedWindowWidth;
    d.boxes = {
        highway_mpg_box("EPA Highway Mileage (miles per gallon)"),
        gas_price_box("Gas cost ($/gallon)", "Cost of gasoline (dollars per gallon)"),
    };
    d.option_groups = speed_selectors(SelectorWindow::GasAndTimeCost);
    d.results.emplace_back(LabelDesc{.name = "lblInitial_Caption", .text = kIntro});
    // One table, so that the cells of the upper and the lower rows stand under one another.
    GridDesc grid = speed_grid();
    grid.rows = {
        across(heading("lblCalc1Header", "Savings By Traveling At Slower Speeds")),
        speed_row("lblIfTravelAt1", "", "lblDriveSpeed1"),
        speed_row("lblYouWillSave", "", "lblSave"),
        speed_row("lblLessCO2", "", "lblCO2"),
        across(LabelDesc{.name = "lblCompareToBase", .text = kCompareBeforeCalculate}),
        speed_row("lblIfTravelAt2", "If you drive at:", "lblDriveSpeed3"),
        speed_row("lblTrue_MPG_Caption", "Your actual MPG will be:", "lblTrue_MPG"),
        speed_row("lblGas_CPM_Label", "Your gas cost per mile is:", "lblGas_CPM"),
        across(heading("lblEffGasCost", " Effective Gas Price")),
        speed_row("lblGallonCosts", "", "lblGallonCost"),
        speed_row(
            "lblHourly_CO2_Label",
            "You car will put out this much carbon dioxide in 10 miles (lbs):", "lblHourly_CO2"),
    };
    d.results.emplace_back(grid);
    return d;
}

class GasAndTimeCost final : public DescribedCalculator<make_description, HighwayCalculator> {
public:
    void load(const CarData& /*car*/, FormState& s) override {
        load_selectors(s);
        s.label("lblLessCO2").text = kLessCo2;
    }

    void calculate(FormState& s) override {
        s.label("lblInitial_Caption").visible = false;
        clear_cells(s, {"lblDriveSpeed1", "lblDriveSpeed3", "lblSave", "lblCO2", "lblGallonCost",
                        "lblTrue_MPG", "lblGas_CPM", "lblHourly_CO2"});
        const float e = read_box(s, "txtMPG");
        const float g = read_box(s, "txtGasPrice");
        const SpeedModel m = model(e);
        const int b = Base_Speed;

        s.label("lblIfTravelAt1").text =
            "Driving at " + format(m.base_mph, "#0 mph") + " instead of:";
        s.label("lblYouWillSave").text = "will save you this amount for every extra hour of travel "
                                         "time it takes you traveling at " +
                                         format(m.base_mph, "#0 MPH") + ":";
        s.label("lblGallonCosts").text = "Your effective gas cost per gallon (compared to " +
                                         format(g, "$#0.00#") + " a gallon at " +
                                         format(m.base_mph, "#0 mph") + ") is:";
        bold_cells(
            s, {"lblDriveSpeed3", "lblTrue_MPG", "lblGas_CPM", "lblHourly_CO2", "lblGallonCost"},
            b);

        for (int i = 0; i < kSpeedCount; ++i) {
            const float speed = speed_of_index(i);
            s.label("lblDriveSpeed3", i).text = format(speed, "##") + " mph";
            // The price of the gas that takes the car as far at this speed as a gallon does at
            // the base speed.
            s.label("lblGallonCost", i).text =
                speed != m.base_mph ? format(double{m.base_table()} * g / m.table(i), "$#0.00")
                                    : format(g, "$#0.00");
            s.label("lblGas_CPM", i).text = format(g / m.direct_mpg(i), "$#0.000");
            s.label("lblTrue_MPG", i).text = format(m.direct_mpg(i), "#0.0");
            // Pounds in 10 miles from the MPG as shown.
            const double shown_mpg = read_label(s, "lblTrue_MPG", i);
            s.label("lblHourly_CO2", i).text =
                format(numbers::checked(10 / shown_mpg) * kCo2PerGallon, "#0.00");
        }

        if (b == kSpeedCount - 1) {
            s.label("lblIfTravelAt1").text = kNotApplicable;
            s.label("lblYouWillSave").text = kNotApplicable;
        } else {
            for (int j = b + 1; j < kSpeedCount; ++j) {
                const int k = j - b - 1; // the faster speeds fill the cells from the left
                const float speed = speed_of_index(j);
                s.label("lblDriveSpeed1", k).text = format(speed, "## mph");
                const float drop = m.drop(j);
                const float extra_gallons_per_mile =
                    single(1 / ((1 - double{drop}) * m.base_mpg) - 1 / double{m.base_mpg});
                const float hours_saved_per_mile =
                    single(1 / double{m.base_mph} - 1 / double{speed});
                const float saving =
                    single(double{extra_gallons_per_mile} * g / hours_saved_per_mile);
                auto& save = s.label("lblSave", k);
                auto& co2 = s.label("lblCO2", k);
                save.red = co2.red = saving < 0;
                save.text = format(saving, "$#0.00");
                co2.text = format(co2_pounds_per_extra_hour(saving, g), "#0");
            }
        }
        s.label("lblCompareToBase").text = kCompareToBase;
    }
};

} // namespace

double co2_pounds_per_extra_hour(float saving, float gas_price) {
    return numbers::round_half_even(double{saving} / gas_price * kCo2PerGallon);
}

std::unique_ptr<Calculator> make_E02_Gas_And_Time_Cost() {
    return std::make_unique<GasAndTimeCost>();
}

} // namespace milora::calc
