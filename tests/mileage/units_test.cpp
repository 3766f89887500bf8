// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/units.h"

#include "mileage/entry_list.h"
#include "mileage/log_fixtures.h"
#include "mileage/mileage_file.h"
#include "mileage/plot.h"
#include "mileage/summary.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::mileage;

TEST(UnitsTest, EconomyAndAmountsConvertBothWays) {
    EXPECT_NEAR(shown_economy(Units::UsMpg, 30), 30, 1e-12);
    EXPECT_NEAR(shown_economy(Units::ImperialMpg, 30), 36.0285, 1e-4);
    EXPECT_NEAR(shown_economy(Units::KmPerLitre, 30), 12.7543, 1e-4);
    EXPECT_NEAR(shown_economy(Units::LitresPer100Km, 30), 7.8405, 1e-4);
    EXPECT_NEAR(shown_economy(Units::LitresPer100Km, 235.2145833), 1.0, 1e-9);
    EXPECT_NEAR(shown_distance(Units::KmPerLitre, 100), 160.9344, 1e-9);
    EXPECT_NEAR(shown_volume(Units::LitresPer100Km, 1), 3.785411784, 1e-12);
    EXPECT_NEAR(shown_volume(Units::ImperialMpg, 1.200949925), 1.0, 1e-9);
    for (const UnitsDesc& u : all_units()) {
        EXPECT_NEAR(miles_from(u.units, shown_distance(u.units, 1234.5)), 1234.5, 1e-9) << u.key;
        EXPECT_NEAR(gallons_from(u.units, shown_volume(u.units, 12.5)), 12.5, 1e-12) << u.key;
        EXPECT_EQ(units_named(u.key), u.units);
    }
    EXPECT_EQ(units_named("mpg"), std::nullopt);
    EXPECT_STREQ(describe(Units::LitresPer100Km).menu_text, "Kilometres and Litres (L/100 km)");
    EXPECT_STREQ(describe(Units::ImperialMpg).menu_text, "Miles and Imperial Gallons (MPG)");
}

TEST(UnitsTest, TheListAndSummaryShowTheChosenUnits) {
    const MileageLog log = milora::test::six_entry_log(); // 300 miles on 10 gallons each
    const std::string km = entry_line(log, 2, Units::LitresPer100Km);
    EXPECT_EQ(km.substr(10, 11), "       2092"); // 1300 miles
    EXPECT_EQ(km.substr(21, 14), "          37.9");
    EXPECT_EQ(km.substr(35, 17), "              7.8");
    // The five-tank column: MPG keeps two leading digits, L/100 km reads as an everyday figure.
    EXPECT_EQ(km.substr(52, 15), "            7.8");
    EXPECT_EQ(entry_line(log, 2, Units::UsMpg).substr(52, 15), "           30.0");
    EXPECT_EQ(entry_line(log, 2, Units::KmPerLitre).substr(35, 17), "             12.8");
    EXPECT_EQ(entry_line(log, 2, Units::ImperialMpg).substr(21, 14), "           8.3");
    EXPECT_EQ(entry_line(log, 2, Units::UsMpg), entry_line(log, 2));

    const std::string s = summary_text(log, Units::LitresPer100Km).value();
    EXPECT_NE(s.find("Your overall average fuel economy is 7.8 litres per 100 km.\r\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("You have traveled 2414 km.\r\n"), std::string::npos) << s;
    EXPECT_NE(s.find("You have bought 189.3 litres of gasoline.\r\n"), std::string::npos) << s;
    EXPECT_NE(s.find("pounds of carbon dioxide"), std::string::npos);
    EXPECT_NE(s.find("Your best single-tank fuel economy was 7.8 L/100 km on 9/23/2006.\r\n"),
              std::string::npos)
        << s;
    const std::string uk = summary_text(log, Units::ImperialMpg).value();
    EXPECT_NE(uk.find("is 36.0 miles per imperial gallon.\r\n"), std::string::npos) << uk;
    EXPECT_NE(uk.find("Your highest single-tank MPG was 36.0 on"), std::string::npos) << uk;
    EXPECT_EQ(summary_text(log, Units::UsMpg), summary_text(log));
}

TEST(UnitsTest, ThePlotRangeAndLinesFollowTheUnits) {
    const MileageLog log = milora::test::six_entry_log();
    const PlotRange r = plot_range(log, Units::LitresPer100Km);
    EXPECT_EQ(r.lo, 7.0); // 7.84 rounds to 8; 95 % of it 7.6 rounds to 8: widened by one
    EXPECT_EQ(r.hi, 9.0);
    const auto points = series_points(log, Series::Tank, std::nullopt, Units::KmPerLitre);
    ASSERT_EQ(points.size(), 5U);
    EXPECT_NEAR(points[0].y, 12.7543, 1e-4);
    const auto epa =
        series_points(log, Series::EpaCorrected, EpaReference{20, 17}, Units::LitresPer100Km);
    EXPECT_NEAR(epa[0].y, 235.2145833 / 17, 1e-6);
}
