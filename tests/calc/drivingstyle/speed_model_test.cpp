// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/condition_miles.h"
#include "calc/drivingstyle/highway_trip.h"
#include "calc/drivingstyle/speed_model.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;
using numbers::format;

namespace {

constexpr std::int16_t kGeneral = 0, kSubCompact = 1, kMidLarge = 2, kSuvTruck = 3;

} // namespace

TEST(SpeedModel, GeneralAt55AnchorsTheEpaFigureAt48Mph) {
    const SpeedModel m = SpeedModel::compute(kGeneral, 2, 24.0F);
    EXPECT_EQ(numbers::number_text(m.Test_Speed_MPG), "32.36");
    EXPECT_EQ(format(m.base_mpg, "#0.000"), "24.326");
    EXPECT_EQ(format(m.base_mpg, "#0.0"), "24.3");
    EXPECT_EQ(m.base_mph, 55.0F);
    EXPECT_EQ(format(m.direct_mpg(0), "#0.0"), "23.7");
    EXPECT_EQ(format(m.direct_mpg(8), "#0.0"), "14.8");
    // The relative form agrees with the direct one up to single rounding.
    for (int i = 0; i < kSpeedCount; ++i) {
        EXPECT_NEAR(m.relative_mpg(i), m.direct_mpg(i), 1e-4) << i;
    }
}

TEST(SpeedModel, DropsFollowTheShapeOfEachColumn) {
    const SpeedModel sub = SpeedModel::compute(kSubCompact, 1, 30.0F);
    EXPECT_EQ(sub.drop(2), 0.0F); // equal figures at 50 and 55 mph
    EXPECT_EQ(sub.relative_mpg(2), sub.base_mpg);

    const SpeedModel suv = SpeedModel::compute(kSuvTruck, 0, 18.0F);
    for (int i = 1; i < kSpeedCount; ++i) {
        EXPECT_GT(suv.drop(i), 0.0F) << i;
    }
    const SpeedModel mid = SpeedModel::compute(kMidLarge, 0, 24.0F);
    EXPECT_LT(mid.drop(1), 0.0F);
    EXPECT_LT(mid.drop(2), 0.0F);
    EXPECT_GT(mid.relative_mpg(2), mid.base_mpg);
    EXPECT_GT(mid.drop(4), 0.0F);
}

TEST(SpeedModel, OnlySelectableColumnsAndSpeedsAreAccepted) {
    EXPECT_THROW(SpeedModel::compute(6, 2, 24.0F), std::out_of_range); // no button for column 6
    EXPECT_THROW(SpeedModel::compute(0, 9, 24.0F), std::out_of_range);
    EXPECT_THROW(SpeedModel::compute(-1, 2, 24.0F), std::out_of_range);
}

TEST(SpeedSelectors, OneRowOfSpeedsAndOneOfCarTypesWithEachWindowsTooltips) {
    const auto gas = speed_selectors(SelectorWindow::GasAndTimeCost);
    ASSERT_EQ(gas.size(), 2U);
    EXPECT_EQ(gas[0].name, "optBaseSpeed");
    EXPECT_EQ(gas[0].frame_name, "frmBaseSpeed");
    EXPECT_EQ(gas[0].frame_caption, "Your Average Highway Travel Speed");
    ASSERT_EQ(gas[0].options.size(), 9U);
    EXPECT_EQ(gas[0].options[0].caption, "45 mph");
    EXPECT_EQ(gas[0].options[8].caption, "85 mph");
    EXPECT_EQ(gas[1].name, "optCarType");
    EXPECT_EQ(gas[1].frame_name, "frmSelectCarType");
    EXPECT_EQ(gas[1].frame_caption, "Type Of Car You Own");
    ASSERT_EQ(gas[1].options.size(), 6U);
    EXPECT_EQ(gas[0].frame_tooltip, "Click on the highway travel speed to select it");
    EXPECT_EQ(gas[1].frame_tooltip, "Click on the type of car you drive");
    EXPECT_EQ(gas[1].options[2].tooltip, "Medium to large cars");
    EXPECT_EQ(gas[1].options[4].caption, "MiniVan");

    const auto trip = speed_selectors(SelectorWindow::TripCost);
    EXPECT_EQ(trip[0].frame_tooltip, "Click on a speed to select it");
    EXPECT_EQ(trip[1].frame_tooltip, "Click on the closest match to your vehicle");
    EXPECT_EQ(trip[1].options[2].tooltip, "Large sport utility vehicles, trucks");
    EXPECT_EQ(trip[1].options[3].tooltip, "Sport utility vehicles and trucks");

    const auto yearly = speed_selectors(SelectorWindow::YearlyHighwayCost);
    EXPECT_EQ(yearly[1].options[4].caption, "MinVan");
    for (const auto& group : yearly) {
        EXPECT_EQ(group.frame_tooltip, "");
        for (const auto& o : group.options) {
            EXPECT_EQ(o.tooltip, "") << o.caption;
        }
    }
}

TEST(TimeText, WholeHoursThenRoundedMinutes) {
    EXPECT_EQ(time_text(1.8182F), "1h 49m");
    EXPECT_EQ(time_text(0.0F), "0h 0m");
    EXPECT_EQ(time_text(120.0F), "120h 0m");
    EXPECT_EQ(time_text(1234.75F), "1234h 45m");
    EXPECT_EQ(time_text(0.9983F), "0h 60m"); // the minutes round up, the hours stay
    // 8.5 miles at 60 mph: the minutes are 8.5 once the product is held as a single (8.49999 in
    // double), and halves round up.
    EXPECT_EQ(time_text(8.5F / 60.0F), "0h 9m");
}

TEST(ConditionMiles, ThePercentageDecidesThePrecision) {
    EXPECT_EQ(condition_miles(12000.0F, TaggedPercent::from_double(55)), 6600.0F);
    EXPECT_EQ(condition_miles(12000.0F, TaggedPercent::from_double(45)), 5400.0F);
    // 1000 x 64.2 held as a single before the division loses the last digit.
    EXPECT_EQ(numbers::number_text(condition_miles(1000.0F, TaggedPercent::from_single(64.2F))),
              "641.9999");
    EXPECT_EQ(numbers::number_text(condition_miles(1000.0F, TaggedPercent::from_double(64.2))),
              "642");
}

TEST(TripArithmetic, ExtraPoundsUse19Point7AfterTheSingleQuotient) {
    EXPECT_EQ(format(extra_co2_pounds(7.89F, 3.0F), "#0 lbs"), "52 lbs");
    // 3.6 gallons: 70.92 pounds at 19.7 a gallon (70.43 at 19.564).
    EXPECT_EQ(format(extra_co2_pounds(-10.8F, 3.0F), "#0 lbs"), "-71 lbs");
}
