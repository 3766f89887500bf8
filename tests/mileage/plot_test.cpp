// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/plot.h"

#include "base/car_data.h"
#include "mileage/log_fixtures.h"
#include "numbers/format_pattern.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::mileage;
using milora::test::make_log;

namespace {

// Tank MPGs 30, 20 and 25 for entries 2 to 4; overall averages 30, 25 and 25.
MileageLog thirty_twenty_twentyfive() {
    return make_log({{"9/16/2006", 1000, 10},
                     {"9/23/2006", 1300, 10},
                     {"9/30/2006", 1500, 10},
                     {"10/7/2006", 1750, 10}});
}

} // namespace

TEST(PlotTest, RangeFromTankAndOverallWithFivePercentMargins) {
    const MileageLog log = thirty_twenty_twentyfive();
    const PlotRange r = plot_range(log);
    EXPECT_EQ(r.lo, 19.0);
    EXPECT_EQ(r.hi, 32.0);
    const PlotLabels l = plot_labels(log, r);
    EXPECT_EQ(l.lblMin, "19.0");
    EXPECT_EQ(l.lblMid, "25.5");
    EXPECT_EQ(l.lblMax, "32.0");
    EXPECT_EQ(l.lblDateMin, "9/16/2006");
    EXPECT_EQ(l.lblDateMax, "10/7/2006");
}

TEST(PlotTest, RangeRoundsHalvesToEvenAndIgnoresTheFiveTankSeries) {
    // Tanks 22.5 and 27.5 (rounded to 22 and 28); five-tank 25 never widens the range.
    const MileageLog log = make_log({{"a", 1000, 10}, {"b", 1225, 10}, {"c", 1500, 10}});
    const PlotRange r = plot_range(log);
    EXPECT_EQ(r.lo, 21.0); // 22 x 0.95 = 20.9
    EXPECT_EQ(r.hi, 29.0); // 28 x 1.05 = 29.4
    // A tank of 40.5 rounds to 40 before the margin: 42 rather than 43.
    const MileageLog high = make_log({{"a", 1000, 10}, {"b", 1405, 10}, {"c", 1810, 10}});
    EXPECT_EQ(plot_range(high).hi, 42.0);
    EXPECT_EQ(plot_range(high).lo, 38.0);
}

TEST(PlotTest, AnEmptyRangeIsWidenedByOneMpgEachWay) {
    // Every value 8: 7.6 and 8.4 both round to 8.
    const MileageLog log = make_log({{"a", 1000, 10}, {"b", 1080, 10}, {"c", 1160, 10}});
    const PlotRange r = plot_range(log);
    EXPECT_EQ(r.lo, 7.0);
    EXPECT_EQ(r.hi, 9.0);
    EXPECT_EQ(plot_labels(log, r).lblMid, "8.0");
}

TEST(PlotTest, NegativeMpgKeepsLoBelowHi) {
    // A file may hold an odometer that goes backwards: -30 MPG widens the range downwards.
    const MileageLog log = make_log({{"a", 1000, 10}, {"b", 700, 10}, {"c", 1000, 10}});
    const PlotRange r = plot_range(log);
    EXPECT_EQ(r.lo, -32.0); // -30 x 1.05 = -31.5, to even
    EXPECT_EQ(r.hi, 32.0);  // 30 x 1.05
}

TEST(PlotTest, EpaReferenceValuesFromTheDefaultFigures) {
    const CarData car;
    const auto epa = epa_reference(car.Global_EPA_City_MPG, car.Global_EPA_Highway_MPG);
    ASSERT_TRUE(epa);
    EXPECT_EQ(numbers::format(epa->U, "0.00"), "20.28");
    EXPECT_EQ(epa->K, 17.0F);
    // Fixed 55/45 weights: swapping the figures changes U.
    EXPECT_EQ(numbers::format(epa_reference(24, 18)->U, "0.00"), "20.87");
    // 22.5 / 23.5 give U = 22.94, 86 % of it 19.73: K = 20.
    EXPECT_EQ(epa_reference(22.5F, 23.5F)->K, 20.0F);
    EXPECT_FALSE(epa_reference(0, 24));
    EXPECT_FALSE(epa_reference(18, -1));
}

TEST(PlotTest, SeriesPointsRunFromEntryTwoToTheLast) {
    const MileageLog log = thirty_twenty_twentyfive();
    const auto epa = epa_reference(18, 24);
    const auto tank = series_points(log, Series::Tank, epa);
    ASSERT_EQ(tank.size(), 3U);
    EXPECT_EQ(tank[0].x, 2.0);
    EXPECT_EQ(tank[0].y, 30.0);
    EXPECT_EQ(tank[1].y, 20.0);
    EXPECT_EQ(tank[2].x, 4.0);
    EXPECT_EQ(tank[2].y, 25.0);
    const auto overall = series_points(log, Series::Overall, epa);
    EXPECT_EQ(numbers::format(overall[2].y, "0.00"), "25.00"); // 750 / 30
    const auto five = series_points(log, Series::FiveTank, epa);
    EXPECT_EQ(five.size(), 3U);
    const auto k = series_points(log, Series::EpaCorrected, epa);
    ASSERT_EQ(k.size(), 2U);
    EXPECT_EQ(k[0].x, 2.0);
    EXPECT_EQ(k[0].y, 17.0); // below lo = 19: clipped when drawn, the range stays
    EXPECT_EQ(k[1].x, 4.0);
    EXPECT_TRUE(series_points(log, Series::EpaUncorrected, std::nullopt).empty());
}
