// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/opened_calculator.h"

using namespace milora;
using namespace milora::test;

TEST(MilesPerDollar, OpensWithTheCarDataAndTheIntro) {
    OpenedWindow w("F01a_Miles_Per_Dollar");
    EXPECT_EQ(w.state.box("txtCombined_MPG"), "20");
    EXPECT_EQ(w.state.box("txtGas_Cost"), "3");
    EXPECT_EQ(w.state.box("txtMileage_Cost"), "0.445");
    EXPECT_EQ(w.text("lblGas_Dollars"),
              "Maybe it's time to stop thinking about miles per gallon, and start thinking about "
              "miles per dollar. This calculator will figure out how many miles you're getting "
              "both for a dollar of gas by itself, and a dollar of total driving costs.");
    EXPECT_EQ(w.text("lblDollars_Per_Mile"), "");
}

TEST(MilesPerDollar, DefaultsGiveBothSentences) {
    OpenedWindow w("F01a_Miles_Per_Dollar");
    w.calculate();
    EXPECT_EQ(w.text("lblGas_Dollars"),
              "Including just the cost of gasoline, you're only getting about 6.7 miles per "
              "dollar; that means that every mile you drive costs you $0.15.");
    EXPECT_EQ(w.text("lblDollars_Per_Mile"),
              "Including all driving costs, you're only getting 2.2 miles per dollar, based on "
              "the mileage rate above of $0.445 per mile.");
}

TEST(MilesPerDollar, FiguresRoundHalfAwayOnTheStoredSingles) {
    OpenedWindow w("F01a_Miles_Per_Dollar");
    // 8 miles a dollar: a mile costs 0.125, shown as $0.13; 1 / 0.8 = 1.25 shows as 1.3.
    w.calculate({{"txtGas_Cost", "2.5"}, {"txtMileage_Cost", "0.8"}});
    EXPECT_EQ(w.text("lblGas_Dollars"),
              "Including just the cost of gasoline, you're only getting about 8.0 miles per "
              "dollar; that means that every mile you drive costs you $0.13.");
    EXPECT_EQ(w.text("lblDollars_Per_Mile"),
              "Including all driving costs, you're only getting 1.3 miles per dollar, based on "
              "the mileage rate above of $0.800 per mile.");

    // The cost of a mile is 1 over the stored miles per dollar ($0.09), not gas price over MPG
    // ($0.10); the rate 0.4445 held as a single shows as $0.445.
    w.calculate(
        {{"txtCombined_MPG", "22"}, {"txtGas_Cost", "2.09"}, {"txtMileage_Cost", "0.4445"}});
    EXPECT_EQ(w.text("lblGas_Dollars"),
              "Including just the cost of gasoline, you're only getting about 10.5 miles per "
              "dollar; that means that every mile you drive costs you $0.09.");
    EXPECT_EQ(w.text("lblDollars_Per_Mile"),
              "Including all driving costs, you're only getting 2.2 miles per dollar, based on "
              "the mileage rate above of $0.445 per mile.");
}
