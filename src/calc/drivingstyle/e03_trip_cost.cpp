// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/e03_trip_cost.h"

#include "calc/drivingstyle/highway_trip.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::number_text;
using numbers::plain_number_text;

const char* const kIntro =
    "When you take a long trip on the highway, you have to make a tradeoff between speed and time. "
    "If you drive at a lower speed, you'll generally save money by using less gas, and you'll "
    "produce less pollution - but it will take you longer to get to your destination. On the other "
    "hand, if you drive at a higher speed, you'll get there faster, but it will cost you more for "
    "gas, and you'll produce more pollution. Enter your car's EPA highway MPG (miles per gallon), "
    "the cost of gas, and the length  of your trip in the appropriate boxes above. Then select the "
    "type of vehicle you're driving, and the average speed you're considering driving at (or just "
    "click on the Calculate button), and the calculator will show you the tradeoffs in money, time "
    "and pollution for traveling at different speeds.";

const char* const kNegativeNumbers =
    "A time in red indicates that the trip will take longer at that speed. A gasoline spending "
    "number in red indicates that you will save money by traveling at that speed. A carbon dioxide "
    "number in red indicates that you will produce this many less pounds of carbon dioxide by "
    "traveling at that speed.";

const char* const kTimeWillBe = "your total travel time will be:";
const char* const kSaveTimeAtLoad =
    "saving you this much time versus traveling at a base speed of xxx:";
const char* const kSpendMore = "but you will spend this much more on gasoline for the trip:";
const char* const kEffectiveRate =
    "corresponding to an hourly rate for every hour of driving time you save of:";
const char* const kCo2Caption =
    "and produce this many more pounds of carbon dioxide over the entire trip:";

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "E03_Trip_Cost", "Highway Trip Cost Calculator", "Highway_driving_style.htm#singletripcost",
        "Click here to Calculate results, or to update results if the data above is modified");
    d.landscape = true;
    d.box_columns = 3;
    d.width = kSpeedWindowWidth;
    d.boxes = {
        gas_price_box("Gas cost ($/gallon)", "Enter the cost of gasoline (dollars per gallon)"),
        trip_distance_box("Trip Length (miles)",
                          "Enter the total length of the trip you're planning in miles")
            .starting_at(100.0F),
        highway_mpg_box("Enter the EPA highway MPG (miles per gallon)"),
    };
    d.option_groups = speed_selectors(SelectorWindow::TripCost);
    d.results.emplace_back(LabelDesc{.name = "lblInitial_Caption", .text = kIntro});
    d.results.emplace_back(LabelDesc{.name = "lblTripCostCalculator",
                                     .text = "Trip Time And Cost Calculator",
                                     .bold = true,
                                     .align = Align::Center});
    d.results.emplace_back(
        LabelDesc{.name = "lblTripSummary", .text = "Trip time and cost information."});
    GridDesc grid = speed_grid();
    grid.rows = {
        speed_row("lblIfTravelAt2", "If you drive at:", "lblDriveSpeed2"),
        speed_row("lblTimeWillBe", "", "lblTravelTime"),
        speed_row("lblSaveTime", "", "lblSaveTimeTable"),
        speed_row("lblSpendMore", "", "lblExtraGasSpend"),
        speed_row("lblEffectiveRateLabel", "", "lblHourlyCost"),
        speed_row("lblCO2", "", "lblExtraCO2"),
    };
    d.results.emplace_back(grid);
    d.results.emplace_back(LabelDesc{.name = "lblNegativeNumbers", .text = kNegativeNumbers});
    return d;
}

class TripCost final : public DescribedCalculator<make_description, HighwayCalculator> {
public:
    void load(const CarData& /*car*/, FormState& s) override {
        load_selectors(s);
        s.label("lblTimeWillBe").text = kTimeWillBe;
        s.label("lblSaveTime").text = kSaveTimeAtLoad;
        s.label("lblSpendMore").text = kSpendMore;
        s.label("lblEffectiveRateLabel").text = kEffectiveRate;
        s.label("lblCO2").text = kCo2Caption;
    }

    void calculate(FormState& s) override {
        s.label("lblInitial_Caption").visible = false;
        clear_cells(s, {"lblSaveTimeTable", "lblDriveSpeed2", "lblExtraGasSpend", "lblTravelTime",
                        "lblExtraCO2", "lblHourlyCost"});
        const auto [e, distance, g] = read_boxes(s, {"txtMPG", "txtTrip_Distance", "txtGasPrice"});
        const SpeedModel m = model(e);
        const TripBase base = trip_base(m, distance, g);

        s.label("lblTripSummary").text =
            "At an average base speed of " + plain_number_text(m.base_mph) + " mph, a trip of " +
            plain_number_text(distance) + " miles will take " + time_text(base.time) +
            " to complete. If gas costs " + format(g, "$0.00#") +
            " a gallon, the total fuel cost for this trip will be " + format(base.cost, "$#0.#0") +
            ".";
        s.label("lblTimeWillBe").text = kTimeWillBe;
        s.label("lblSaveTime").text = "saving you this much time versus traveling at a speed of " +
                                      format(m.base_mph, "## MPH :");
        bold_cells(s,
                   {"lblSaveTimeTable", "lblDriveSpeed2", "lblExtraGasSpend", "lblTravelTime",
                    "lblExtraCO2"},
                   Base_Speed);

        fill_trip_columns(s, m, base, distance, g, false);
    }
};

} // namespace

std::unique_ptr<Calculator> make_E03_Trip_Cost() {
    return std::make_unique<TripCost>();
}

} // namespace milora::calc
