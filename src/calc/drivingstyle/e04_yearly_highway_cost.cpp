// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/e04_yearly_highway_cost.h"

#include "calc/drivingstyle/condition_miles.h"
#include "calc/drivingstyle/highway_trip.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::number_text;

const char* const kIntro =
    "Looking at the consequences of driving at a higher highway speed on cost, pollution and time "
    "for a single trip can be misleading, since the differences may be small for a single trip, "
    "but add up bit by bit to much larger totals over the course of a year. This calculator will "
    "show you the total consequences over the course of a year of driving at lower and higher "
    "average highway speeds, in terms of total cost savings, time and pollution.";

const char* const kNegativeNumbers =
    "A time in red indicates that it will take longer to cover your yearly driving distance at "
    "that speed. A gasoline spending number in red indicates that you will save money by "
    "traveling at that speed. A CO2 number in red indicates that you will produce this many less "
    "pounds of carbon dioxide by traveling at that speed.";

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "E04_Yearly_Highway_Cost", "Yearly Highway Travel Cost Calculator",
        "Highway_driving_style.htm#yearlytripcost",
        "Click here to Calculate results, or to update results when data above is modified");
    d.landscape = true;
    d.box_columns = 3;
    d.width = kSpeedWindowWidth;
    d.boxes = {
        gas_price_box("Gas Cost ($/gallon)", "Enter cost of gasoline (dollars per gallon)"),
        trip_distance_box("Yearly Highway Miles",
                          "Enter the yearly number of miles driven under highway conditions"),
        highway_mpg_box("EPA highway MPG (miles per gallon)"),
    };
    d.option_groups = speed_selectors(SelectorWindow::YearlyHighwayCost);
    d.results.emplace_back(LabelDesc{.name = "lblInitial_Caption", .text = kIntro});
    d.results.emplace_back(LabelDesc{.name = "lblTripCostCalculator",
                                     .text = "Yearly Highway Travel Gas Cost Calculator",
                                     .bold = true,
                                     .align = Align::Center});
    GridDesc grid = speed_grid();
    grid.rows = {
        speed_row("lblIfTravelAt2", "If you drive on average at:", "lblDriveSpeed2"),
        speed_row(
            "lblTimeWillBe",
            "your total highway travel time over the course of a year will be:", "lblTravelTime"),
        speed_row("lblSaveTime",
                  "saving you this much time over the course of  a year versus traveling at a "
                  "base speed of xxx:",
                  "lblSaveTimeTable"),
        speed_row("lblMinutes_Per_Year_Caption",
                  "which averages about this many minutes per day:", "lblMinutes_Per_Year"),
        speed_row("lblSpendMore", "but you will spend this much more on gasoline for the year:",
                  "lblExtraGasSpend"),
        speed_row("Label1", "costing you this much money for every hour of driving time you save:",
                  "lblHourlyCost"),
        speed_row("lblCO2",
                  "and producing this many more pounds of carbon dioxide  (CO2) over the year:",
                  "lblExtraCO2"),
    };
    d.results.emplace_back(grid);
    d.results.emplace_back(LabelDesc{.name = "lblNegativeNumbers"});
    return d;
}

class YearlyHighwayCost final : public DescribedCalculator<make_description, HighwayCalculator> {
public:
    void load(const CarData& car, FormState& s) override {
        load_selectors(s);
        s.label("lblNegativeNumbers").text = kNegativeNumbers;
        // Last: car data beyond any meaning faults here, and the texts above must stand.
        s.box("txtTrip_Distance") = number_text(
            condition_miles(car.Global_Yearly_Miles_Traveled, car.Global_Highway_Percent));
    }

    void calculate(FormState& s) override {
        s.label("lblInitial_Caption").visible = false;
        clear_cells(s, {"lblSaveTimeTable", "lblDriveSpeed2", "lblExtraGasSpend", "lblTravelTime",
                        "lblExtraCO2"});
        regular_cells(s, {"lblMinutes_Per_Year", "lblHourlyCost"});
        const auto [e, distance, g] = read_boxes(s, {"txtMPG", "txtTrip_Distance", "txtGasPrice"});
        const SpeedModel m = model(e);
        const TripBase base = trip_base(m, distance, g);

        s.label("lblTimeWillBe").text = "your total travel time for the year will be:";
        s.label("lblSaveTime").text =
            "saving you this much time over the year versus traveling at a speed of " +
            format(m.base_mph, "## mph:");
        bold_cells(s,
                   {"lblSaveTimeTable", "lblDriveSpeed2", "lblExtraGasSpend", "lblTravelTime",
                    "lblExtraCO2", "lblMinutes_Per_Year"},
                   Base_Speed);

        fill_trip_columns(s, m, base, distance, g, true);
    }
};

} // namespace

std::unique_ptr<Calculator> make_E04_Yearly_Highway_Cost() {
    return std::make_unique<YearlyHighwayCost>();
}

} // namespace milora::calc
