// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/summary.h"

#include "mileage/log_fixtures.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::mileage;
using milora::test::make_log;

TEST(SummaryTest, ThreeFillupsGiveTotalsExtremesAndTheirDates) {
    const MileageLog log =
        make_log({{"9/16/2006", 1000, 10}, {"9/23/2006", 1300, 10}, {"9/30/2006", 1600, 12}});
    EXPECT_EQ(summary_text(log),
              "Over the period you've been tracking your gas consumption: \r\n"
              "\r\n"
              "Your overall average fuel economy is 27.3 miles per gallon.\r\n"
              "You have traveled 600 miles.\r\n"
              "You have bought 22.0 gallons of gasoline.\r\n"
              "You have put roughly 430 pounds of carbon dioxide into the atmosphere.\r\n"
              "Your highest single-tank MPG was 30.0 on 9/23/2006.\r\n"
              "Your lowest single-tank MPG was 25.0 on 9/30/2006.\r\n"
              "Your highest five-tank average MPG was 30.0 on 9/23/2006.\r\n"
              "Your lowest five-tank average MPG was 27.3 on 9/30/2006.\r\n");
}

TEST(SummaryTest, OnEqualValuesTheEarliestEntryIsNamed) {
    // Tanks of 20, 30, 20, 30 MPG: entry 2 is the first lowest, entry 3 the first highest.
    const MileageLog log = make_log(
        {{"e1", 1000, 5}, {"e2", 1200, 10}, {"e3", 1500, 10}, {"e4", 1700, 10}, {"e5", 2000, 10}});
    const std::string s = summary_text(log).value();
    EXPECT_NE(s.find("highest single-tank MPG was 30.0 on e3."), std::string::npos) << s;
    EXPECT_NE(s.find("lowest single-tank MPG was 20.0 on e2."), std::string::npos) << s;
    // Five-tank: 20, 25, 23.3, 25: highest first reached at entry 3.
    EXPECT_NE(s.find("highest five-tank average MPG was 25.0 on e3."), std::string::npos) << s;
    EXPECT_NE(s.find("lowest five-tank average MPG was 20.0 on e2."), std::string::npos) << s;
    // Carbon dioxide from 40 gallons: 782.56 pounds.
    EXPECT_NE(s.find("roughly 783 pounds"), std::string::npos) << s;
}

TEST(SummaryTest, ALogWhoseMpgIsNeverAboveZeroStillNamesAnEntry) {
    // Read from a file, odometer readings may repeat: the highest tank MPG is 0 at entry 2.
    const MileageLog log = make_log({{"e1", 1000, 5}, {"e2", 1000, 10}, {"e3", 1000, 10}});
    const std::string s = summary_text(log).value();
    EXPECT_NE(s.find("highest single-tank MPG was 0.0 on e2."), std::string::npos) << s;
    EXPECT_NE(s.find("highest five-tank average MPG was 0.0 on e2."), std::string::npos) << s;
}

TEST(SummaryTest, FewerThanTwoEntriesGiveNoSummary) {
    EXPECT_FALSE(summary_text(MileageLog{}));
    EXPECT_FALSE(summary_text(make_log({{"a", 1000, 10}})));
    EXPECT_EQ(summary_needs_two(), (Message{"Milora",
                                            "You need to have at least two data points to create a "
                                            "summary.",
                                            Icon::None, Buttons::Ok}));
}
