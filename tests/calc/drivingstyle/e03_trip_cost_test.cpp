// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/grid_text.h"
#include "support/opened_calculator.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;
using namespace milora::test;

namespace {

struct TripCost : OpenedWindow {
    TripCost() : OpenedWindow("E03_Trip_Cost") {}
};

} // namespace

TEST(TripCost, LoadShowsTheDesignTextsAnd100Miles) {
    TripCost w;
    const auto& d = w.state.description();
    EXPECT_EQ(d.caption, "Highway Trip Cost Calculator");
    EXPECT_EQ(d.help_topic, "Highway_driving_style.htm#singletripcost");
    EXPECT_TRUE(d.landscape);
    EXPECT_EQ(w.state.box("txtGasPrice"), "3");
    EXPECT_EQ(w.state.box("txtTrip_Distance"), "100");
    EXPECT_EQ(w.state.box("txtMPG"), "24");
    EXPECT_EQ(w.state.options("optBaseSpeed").selected, 2);
    EXPECT_EQ(w.state.options("optCarType").selected, 0);
    EXPECT_EQ(w.state.label("lblTripSummary").text, "Trip time and cost information.");
    EXPECT_EQ(w.state.label("lblSaveTime").text,
              "saving you this much time versus traveling at a base speed of xxx:");
    EXPECT_EQ(w.state.label("lblInitial_Caption").text.substr(0, 62),
              "When you take a long trip on the highway, you have to make a t");
    EXPECT_NE(w.state.label("lblInitial_Caption").text.find("the length  of your trip"),
              std::string::npos);
}

TEST(TripCost, A100MileTripAt55MphInAGeneralCar) {
    TripCost w;
    ASSERT_TRUE(w.click_calculate());
    const auto& s = w.state;
    EXPECT_FALSE(s.label("lblInitial_Caption").visible);
    EXPECT_EQ(s.label("lblTripSummary").text,
              "At an average base speed of  55 mph, a trip of  100 miles will take 1h 49m to "
              "complete. If gas costs $3.00 a gallon, the total fuel cost for this trip will be "
              "$12.33.");
    EXPECT_EQ(s.label("lblSaveTime").text,
              "saving you this much time versus traveling at a speed of 55 MPH :");
    EXPECT_EQ(row_text(s, "lblDriveSpeed2"),
              "45 mph | 50 mph | *55 mph* | 60 mph | 65 mph | 70 mph | 75 mph | 80 mph | 85 mph");
    EXPECT_EQ(row_text(s, "lblTravelTime"),
              "2h 13m | 2h 0m | *1h 49m* | 1h 40m | 1h 32m | 1h 26m | 1h 20m | 1h 15m | 1h 11m");
    EXPECT_EQ(row_text(s, "lblSaveTimeTable"), "!0h 24m | !0h 11m | *0h 0m* | 0h 9m | 0h 17m | "
                                               "0h 23m | 0h 29m | 0h 34m | 0h 39m");
    // 45 mph costs more gas than 55 mph in this car, so its money cells stay black.
    EXPECT_EQ(row_text(s, "lblExtraGasSpend"),
              "$0.31 | $0.08 | *$0.00* | $0.39 | $1.29 | $2.51 | $3.91 | $5.65 | $7.89");
    EXPECT_EQ(row_text(s, "lblHourlyCost"),
              "$0.76 | $0.42 | *$0.00* | $2.56 | $4.60 | $6.45 | $8.07 | $9.94 | $12.30");
    EXPECT_EQ(row_text(s, "lblExtraCO2"),
              "2 lbs | 0 lbs | *0 lbs* | 3 lbs | 8 lbs | 16 lbs | 26 lbs | 37 lbs | 52 lbs");
}

TEST(TripCost, TheSummaryUsesThePlainNumberFormAndThePricePatterns) {
    TripCost w;
    w.state.box("txtTrip_Distance") = "0.5";
    w.state.box("txtGasPrice") = "3.1";
    ASSERT_TRUE(w.click_calculate());
    EXPECT_EQ(w.state.label("lblTripSummary").text,
              "At an average base speed of  55 mph, a trip of  .5 miles will take 0h 1m to "
              "complete. If gas costs $3.10 a gallon, the total fuel cost for this trip will be "
              "$0.06.");
    w.state.box("txtTrip_Distance") = "59.9";
    w.state.box("txtGasPrice") = "2.899";
    ASSERT_TRUE(w.click_calculate());
    EXPECT_EQ(w.state.label("lblTripSummary").text,
              "At an average base speed of  55 mph, a trip of  59.9 miles will take 1h 5m to "
              "complete. If gas costs $2.899 a gallon, the total fuel cost for this trip will be "
              "$7.14.");
    EXPECT_EQ(w.state.label("lblTravelTime", 3).text, "0h 60m"); // 59.9 minutes at 60 mph
}

TEST(TripCost, MinutesAreRoundedFromTheirSingleValue) {
    TripCost w;
    w.state.box("txtTrip_Distance") = "8.5";
    ASSERT_TRUE(w.click_calculate());
    // At 60 mph the trip takes 8.5 minutes held as a single (8.4999... in double).
    EXPECT_EQ(row_text(w.state, "lblTravelTime"),
              "0h 11m | 0h 10m | *0h 9m* | 0h 9m | 0h 8m | 0h 7m | 0h 7m | 0h 6m | 0h 6m");
}

TEST(TripCost, AnotherBaseSpeedMovesTheBoldColumnAndTheHourlyZero) {
    TripCost w;
    ASSERT_TRUE(w.click_calculate());
    ASSERT_TRUE(w.click("optBaseSpeed", 4));
    const auto& s = w.state;
    EXPECT_EQ(s.label("lblTripSummary").text,
              "At an average base speed of  65 mph, a trip of  100 miles will take 1h 32m to "
              "complete. If gas costs $3.00 a gallon, the total fuel cost for this trip will be "
              "$13.62.");
    EXPECT_EQ(s.label("lblSaveTime").text,
              "saving you this much time versus traveling at a speed of 65 MPH :");
    EXPECT_EQ(row_text(s, "lblSaveTimeTable"), "!0h 41m | !0h 28m | !0h 17m | !0h 8m | *0h 0m* | "
                                               "0h 7m | 0h 12m | 0h 17m | 0h 22m");
    // The slower speeds save money now; 55 mph mirrors the 65 mph cell of a 55 mph base.
    EXPECT_EQ(row_text(s, "lblHourlyCost"), "!-$1.43 | !-$2.63 | !-$4.60 | !-$7.02 | *$0.00* | "
                                            "$11.14 | $12.80 | $15.11 | $18.25");
    EXPECT_FALSE(s.label("lblExtraGasSpend", 2).bold);
    EXPECT_TRUE(s.label("lblExtraGasSpend", 2).red);
}

TEST(TripCost, AnOverflowStopsBeforeTheSummary) {
    TripCost w;
    w.state.box("txtMPG") = "1e-38";
    EXPECT_FALSE(w.click_calculate());
    EXPECT_TRUE(w.state.fault.has_value());
    EXPECT_EQ(w.state.label("lblTripSummary").text, "Trip time and cost information.");
    EXPECT_EQ(w.state.label("lblTravelTime", 0).text, "");
}
