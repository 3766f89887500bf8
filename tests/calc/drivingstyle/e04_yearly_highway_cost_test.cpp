// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/grid_text.h"
#include "support/opened_calculator.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;
using namespace milora::test;

namespace {

struct YearlyHighway : OpenedWindow {
    explicit YearlyHighway(const CarData& car = CarData{})
        : OpenedWindow("E04_Yearly_Highway_Cost", car) {}
};

} // namespace

TEST(YearlyHighwayCost, LoadDerivesTheYearlyHighwayMiles) {
    YearlyHighway w;
    const auto& d = w.state.description();
    EXPECT_EQ(d.caption, "Yearly Highway Travel Cost Calculator");
    EXPECT_EQ(d.help_topic, "Highway_driving_style.htm#yearlytripcost");
    EXPECT_TRUE(d.landscape);
    EXPECT_EQ(w.state.box("txtGasPrice"), "3");
    EXPECT_EQ(w.state.box("txtTrip_Distance"), "5400");
    EXPECT_EQ(w.state.box("txtMPG"), "24");
    EXPECT_EQ(w.state.label("lblTimeWillBe").text,
              "your total highway travel time over the course of a year will be:");
    EXPECT_EQ(w.state.label("lblSaveTime").text,
              "saving you this much time over the course of  a year versus traveling at a base "
              "speed of xxx:");
    EXPECT_EQ(w.state.label("lblNegativeNumbers").text.substr(0, 44),
              "A time in red indicates that it will take lo");

    CarData car;
    car.Global_Yearly_Miles_Traveled = 1000.0F;
    car.Global_Highway_Percent = TaggedPercent::from_single(64.2F);
    EXPECT_EQ(YearlyHighway(car).state.box("txtTrip_Distance"), "641.9999");
}

TEST(YearlyHighwayCost, AYearAt55MphInAGeneralCar) {
    YearlyHighway w;
    ASSERT_TRUE(w.click_calculate());
    const auto& s = w.state;
    EXPECT_EQ(s.label("lblTimeWillBe").text, "your total travel time for the year will be:");
    EXPECT_EQ(s.label("lblSaveTime").text,
              "saving you this much time over the year versus traveling at a speed of 55 mph:");
    EXPECT_EQ(row_text(s, "lblDriveSpeed2"),
              "45 mph | 50 mph | *55 mph* | 60 mph | 65 mph | 70 mph | 75 mph | 80 mph | 85 mph");
    // Hours above 99 show all their digits.
    EXPECT_EQ(row_text(s, "lblTravelTime"), "120h 0m | 108h 0m | *98h 11m* | 90h 0m | 83h 5m | "
                                            "77h 9m | 72h 0m | 67h 30m | 63h 32m");
    EXPECT_EQ(row_text(s, "lblSaveTimeTable"), "!21h 49m | !9h 49m | *0h 0m* | 8h 11m | 15h 6m | "
                                               "21h 2m | 26h 11m | 30h 41m | 34h 39m");
    EXPECT_EQ(row_text(s, "lblMinutes_Per_Year"), "!4 | !2 | *0* | 1 | 2 | 3 | 4 | 5 | 6");
    EXPECT_EQ(row_text(s, "lblExtraGasSpend"), "$16.65 | $4.09 | *$0.00* | $20.94 | $69.51 | "
                                               "$135.63 | $211.28 | $304.85 | $426.20");
    EXPECT_EQ(row_text(s, "lblHourlyCost"),
              "$0.76 | $0.42 | *$0.00* | $2.56 | $4.60 | $6.45 | $8.07 | $9.94 | $12.30");
    EXPECT_EQ(row_text(s, "lblExtraCO2"), "109 lbs | 27 lbs | *0 lbs* | 138 lbs | 456 lbs | "
                                          "891 lbs | 1387 lbs | 2002 lbs | 2799 lbs");
}

TEST(YearlyHighwayCost, MinutesPerDaySpreadTheTimeSavedOver365Days) {
    YearlyHighway w;
    w.state.box("txtTrip_Distance") = "20000";
    ASSERT_TRUE(w.click_calculate());
    // 20000 / 45 - 20000 / 55 = 80.81 hours, 13.28 minutes a day; at 85 mph 128.34 hours, 21.10.
    EXPECT_EQ(w.state.label("lblSaveTimeTable", 0).text, "80h 48m");
    EXPECT_EQ(row_text(w.state, "lblMinutes_Per_Year"),
              "!13 | !6 | *0* | 5 | 9 | 13 | 16 | 19 | 21");
}

TEST(YearlyHighwayCost, SwitchingTheBaseTo65MovesEveryBoldCell) {
    YearlyHighway w;
    ASSERT_TRUE(w.click_calculate());
    ASSERT_TRUE(w.click("optBaseSpeed", 4));
    const auto& s = w.state;
    EXPECT_EQ(s.label("lblSaveTime").text,
              "saving you this much time over the year versus traveling at a speed of 65 mph:");
    for (const char* row :
         {"lblDriveSpeed2", "lblTravelTime", "lblSaveTimeTable", "lblMinutes_Per_Year",
          "lblExtraGasSpend", "lblHourlyCost", "lblExtraCO2"}) {
        for (int i = 0; i <= 8; ++i) {
            EXPECT_EQ(s.label(row, i).bold, i == 4) << row << i;
        }
    }
    EXPECT_EQ(s.label("lblHourlyCost", 4).text, "$0.00");
    EXPECT_EQ(row_text(s, "lblMinutes_Per_Year"), "!6 | !4 | !2 | !1 | *0* | 1 | 2 | 3 | 3");
}
