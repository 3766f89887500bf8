// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/e02_gas_and_time_cost.h"
#include "calc/drivingstyle/grid_text.h"
#include "numbers/format_pattern.h"
#include "support/opened_calculator.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;
using namespace milora::test;

namespace {

struct GasAndTime : OpenedWindow {
    GasAndTime() : OpenedWindow("E02_Gas_And_Time_Cost") {}
};

const char* const kCompareBefore = "Negative dollar amounts (in red) indicate that driving at that "
                                   "speed will actually cost you more than driving at your "
                                   "selected speed.";
const char* const kCompareAfter =
    "Negative dollar amount (in red) indicate that driving at that speed will actually cost you "
    "more than driving at your selected speed. A negative carbon dioxide number (in red) indicates "
    "that you will produce more CO2 traveling at that speed.";

const char* const kEmptyRow = " |  |  |  |  |  |  |  | ";

} // namespace

TEST(GasAndTimeCost, LoadFillsTheBoxesSelectsGeneralAt55AndDoesNotCalculate) {
    GasAndTime w;
    const auto& d = w.state.description();
    EXPECT_EQ(d.caption, "Gas And Time Cost Calculator");
    EXPECT_EQ(d.help_topic, "Highway_driving_style.htm");
    EXPECT_TRUE(d.landscape);
    EXPECT_EQ(w.state.box("txtMPG"), "24");
    EXPECT_EQ(w.state.box("txtGasPrice"), "3");
    EXPECT_EQ(w.state.options("optBaseSpeed").selected, 2);
    EXPECT_EQ(w.state.options("optCarType").selected, 0);
    EXPECT_TRUE(w.state.label("lblInitial_Caption").visible);
    EXPECT_EQ(w.state.label("lblCompareToBase").text, kCompareBefore);
    EXPECT_EQ(w.state.label("lblLessCO2").text,
              "and your car will put out this many pounds less of carbon dioxide for that extra "
              "hour:");
    EXPECT_EQ(w.state.label("lblIfTravelAt1").text, "");
    EXPECT_EQ(row_text(w.state, "lblTrue_MPG"), kEmptyRow);
    EXPECT_EQ(row_text(w.state, "lblSave"), kEmptyRow);
    // The headings and the note run across the table: labels of their own, without cells.
    for (const auto& key : w.state.label_order()) {
        EXPECT_FALSE(key.name.empty());
    }
}

TEST(GasAndTimeCost, GeneralAt55WithTheDefaults) {
    GasAndTime w;
    ASSERT_TRUE(w.click_calculate());
    const auto& s = w.state;
    EXPECT_FALSE(s.label("lblInitial_Caption").visible);
    EXPECT_EQ(s.label("lblIfTravelAt1").text, "Driving at 55 mph instead of:");
    EXPECT_EQ(s.label("lblYouWillSave").text,
              "will save you this amount for every extra hour of travel time it takes you "
              "traveling at 55 MPH:");
    EXPECT_EQ(s.label("lblGallonCosts").text,
              "Your effective gas cost per gallon (compared to $3.00 a gallon at 55 mph) is:");
    EXPECT_EQ(s.label("lblCompareToBase").text, kCompareAfter);

    EXPECT_EQ(row_text(s, "lblDriveSpeed3"),
              "45 mph | 50 mph | *55 mph* | 60 mph | 65 mph | 70 mph | 75 mph | 80 mph | 85 mph");
    EXPECT_EQ(row_text(s, "lblTrue_MPG"),
              "23.7 | 24.2 | *24.3* | 23.6 | 22.0 | 20.2 | 18.5 | 16.7 | 14.8");
    EXPECT_EQ(row_text(s, "lblGas_CPM"), "$0.126 | $0.124 | *$0.123* | $0.127 | $0.136 | $0.148 | "
                                         "$0.162 | $0.180 | $0.202");
    EXPECT_EQ(row_text(s, "lblGallonCost"),
              "$3.07 | $3.02 | *$3.00* | $3.09 | $3.31 | $3.61 | $3.95 | $4.37 | $4.92");
    // From the MPG as shown: 10 / 24.3 x 19.564 is 8.05 (the unrounded 24.326 would give 8.04).
    EXPECT_EQ(row_text(s, "lblHourly_CO2"),
              "8.25 | 8.08 | *8.05* | 8.29 | 8.89 | 9.69 | 10.58 | 11.71 | 13.22");

    // The faster speeds fill the upper rows from the left; the rest stay empty.
    EXPECT_EQ(row_text(s, "lblDriveSpeed1"),
              "60 mph | 65 mph | 70 mph | 75 mph | 80 mph | 85 mph |  |  | ");
    EXPECT_EQ(row_text(s, "lblSave"), "$2.56 | $4.60 | $6.45 | $8.07 | $9.94 | $12.30 |  |  | ");
    EXPECT_EQ(row_text(s, "lblCO2"), "17 | 30 | 42 | 53 | 65 | 80 |  |  | ");
}

TEST(GasAndTimeCost, TheFractionalPriceShowsItsThirdDecimalInTheRowTitleOnly) {
    GasAndTime w;
    w.state.box("txtGasPrice") = "2.899";
    ASSERT_TRUE(w.click_calculate());
    EXPECT_EQ(w.state.label("lblGallonCosts").text,
              "Your effective gas cost per gallon (compared to $2.899 a gallon at 55 mph) is:");
    EXPECT_EQ(w.state.label("lblGallonCost", 2).text, "$2.90");
}

TEST(GasAndTimeCost, At85MphNothingIsFasterSoTheUpperRowsAreNotApplicable) {
    GasAndTime w;
    ASSERT_TRUE(w.click_calculate());
    ASSERT_TRUE(w.click("optBaseSpeed", 8));
    const auto& s = w.state;
    EXPECT_EQ(s.label("lblIfTravelAt1").text, "Not applicable");
    EXPECT_EQ(s.label("lblYouWillSave").text, "Not applicable");
    EXPECT_EQ(row_text(s, "lblDriveSpeed1"), kEmptyRow);
    EXPECT_EQ(row_text(s, "lblSave"), kEmptyRow);
    EXPECT_EQ(row_text(s, "lblCO2"), kEmptyRow);
    // 20 x 3 / 32 is exactly 1.875 at 45 mph.
    EXPECT_EQ(row_text(s, "lblGallonCost"),
              "$1.88 | $1.84 | $1.83 | $1.89 | $2.02 | $2.20 | $2.41 | $2.67 | *$3.00*");
    EXPECT_EQ(s.label("lblGallonCosts").text,
              "Your effective gas cost per gallon (compared to $3.00 a gallon at 85 mph) is:");
}

TEST(GasAndTimeCost, ASlowerSpeedThatBurnsMoreShowsRedUntilItStopsDoingSo) {
    GasAndTime w;
    ASSERT_TRUE(w.click("optCarType", 2)); // Mid/Large rises from 45 to 55 mph
    ASSERT_TRUE(w.click("optBaseSpeed", 0));
    EXPECT_EQ(w.state.label("lblIfTravelAt1").text, "Driving at 45 mph instead of:");
    EXPECT_EQ(row_text(w.state, "lblSave"),
              "!-$4.68 | !-$3.60 | !-$1.84 | $0.13 | $1.72 | $3.21 | $4.73 | $6.67 | ");
    EXPECT_EQ(row_text(w.state, "lblCO2"), "!-30 | !-24 | !-12 | 1 | 11 | 21 | 31 | 44 | ");

    // General does better at 50 and 55 mph only: the 60 mph cells turn black again.
    ASSERT_TRUE(w.click("optCarType", 0));
    EXPECT_EQ(row_text(w.state, "lblSave"),
              "!-$1.05 | !-$0.76 | $0.14 | $1.43 | $2.78 | $4.05 | $5.49 | $7.25 | ");
    EXPECT_EQ(row_text(w.state, "lblCO2"), "!-7 | !-5 | 1 | 9 | 18 | 26 | 36 | 47 | ");
}

TEST(GasAndTimeCost, MovingTheBaseSpeedMovesTheBoldColumnAndEmptiesTheSpareUpperCells) {
    GasAndTime w;
    ASSERT_TRUE(w.click_calculate());
    ASSERT_TRUE(w.click("optBaseSpeed", 4));
    EXPECT_EQ(w.state.options("optBaseSpeed").selected, 4);
    EXPECT_EQ(row_text(w.state, "lblTrue_MPG"),
              "23.7 | 24.2 | 24.3 | 23.6 | *22.0* | 20.2 | 18.5 | 16.7 | 14.8");
    EXPECT_EQ(row_text(w.state, "lblDriveSpeed1"),
              "70 mph | 75 mph | 80 mph | 85 mph |  |  |  |  | ");
    EXPECT_EQ(w.state.label("lblIfTravelAt1").text, "Driving at 65 mph instead of:");
    EXPECT_FALSE(w.state.label("lblInitial_Caption").visible); // the click calculated
}

TEST(GasAndTimeCost, PoundsPerExtraHourRoundHalvesToEven) {
    // 1750 / 2 x 19.564 and 1968.75 / 2.25 x 19.564 are both exactly 17118.5.
    EXPECT_EQ(numbers::format(co2_pounds_per_extra_hour(1750.0F, 2.0F), "#0"), "17118");
    EXPECT_EQ(numbers::format(co2_pounds_per_extra_hour(-1968.75F, 2.25F), "#0"), "-17118");
    // 1875 / 3 x 19.564 is 12227.5.
    EXPECT_EQ(numbers::format(co2_pounds_per_extra_hour(1875.0F, 3.0F), "#0"), "12228");
    EXPECT_EQ(numbers::format(co2_pounds_per_extra_hour(2.56F, 3.0F), "#0"), "17");
}

TEST(GasAndTimeCost, AnMpgShownAs0Point0StopsTheCalculationThere) {
    GasAndTime w;
    w.state.box("txtMPG") = "0.001";
    EXPECT_FALSE(w.click_calculate());
    ASSERT_TRUE(w.state.fault.has_value());
    ASSERT_EQ(w.state.dialogue.kept().size(), 1U);
    EXPECT_EQ(w.state.label("lblTrue_MPG", 0).text, "0.0");
    EXPECT_EQ(w.state.label("lblHourly_CO2", 0).text, "");
    EXPECT_EQ(w.state.label("lblTrue_MPG", 1).text, "");
    EXPECT_EQ(w.state.label("lblCompareToBase").text, kCompareBefore);
}
