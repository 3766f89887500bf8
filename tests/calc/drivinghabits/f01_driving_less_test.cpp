// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/opened_calculator.h"

using namespace milora;
using namespace milora::test;

namespace {

struct Column {
    int index;
    const char* miles;
    const char* gas;
    const char* total;
    const char* co2;
    const char* pollution;
};

void expect_column(const OpenedWindow& w, const Column& c) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(w.text("lblLess_Miles", c.index), c.miles);
    EXPECT_EQ(w.text("lblMoney_Savings", c.index), c.gas);
    EXPECT_EQ(w.text("lblOther_Costs", c.index), c.total);
    EXPECT_EQ(w.text("lblCO2_Reduction", c.index), c.co2);
    EXPECT_EQ(w.text("lblPollution", c.index), c.pollution);
}

} // namespace

TEST(DrivingLess, OpensWithTheCarDataThePercentsAndTheIntro) {
    OpenedWindow w("F01_Driving_Less");
    EXPECT_EQ(w.state.box("txtYearly_Mileage"), "12000");
    EXPECT_EQ(w.state.box("txtCombined_MPG"), "20");
    EXPECT_EQ(w.state.box("txtGas_Cost"), "3");
    EXPECT_EQ(w.state.box("txtMileage_Cost"), "0.445");
    EXPECT_EQ(w.text("lblInitial_Caption"),
              "Driving less not only means saving money on gas; it also means saving on all the "
              "other costs associated with driving (maintenance, depreciation, insurance, etc.). "
              "This calculator will show you how much this can add up to over the course of a "
              "year.");
    EXPECT_FALSE(w.visible("lblCurrent_Results"));
    EXPECT_EQ(w.text("lblPercent", 1), "10%");
    EXPECT_EQ(w.text("lblPercent", 7), "70%");
    EXPECT_EQ(w.text("lblPercent", 10), "100%");
    EXPECT_EQ(w.text("lblLess_Miles", 1), "");
    EXPECT_EQ(w.text("lblPollution", 10), "");
    EXPECT_EQ(w.text("lblDontForget"), "");
}

TEST(DrivingLess, DefaultsGiveTheSentenceTheColumnsAndTheRemark) {
    OpenedWindow w("F01_Driving_Less");
    w.calculate();
    EXPECT_FALSE(w.visible("lblInitial_Caption"));
    EXPECT_TRUE(w.visible("lblCurrent_Results"));
    EXPECT_EQ(w.text("lblCurrent_Results"),
              "Based on the information above, you're currently spending about $1800 every year "
              "on gas, but your total yearly driving costs, including gas, are $5340.");
    expect_column(w, {1, "1200", "$180", "$534", "1174", "12"});
    expect_column(w, {5, "6000", "$900", "$2670", "5869", "60"});
    expect_column(w, {10, "12000", "$1800", "$5340", "11738", "119"});
    expect_column(w, {6, "7200", "$1080", "$3204", "7043", "71"});
    EXPECT_EQ(w.text("lblDontForget"), "... and don't forget, the less time you spend driving, the "
                                       "more time you'll have to do other things.");
    EXPECT_EQ(w.text("lblPercent", 4), "40%");
}

TEST(DrivingLess, LargeSpendingShowsEveryDigitWithoutSeparator) {
    OpenedWindow w("F01_Driving_Less");
    w.calculate({{"txtYearly_Mileage", "100000"}});
    EXPECT_EQ(w.text("lblCurrent_Results"),
              "Based on the information above, you're currently spending about $15000 every year "
              "on gas, but your total yearly driving costs, including gas, are $44500.");
    expect_column(w, {10, "100000", "$15000", "$44500", "97820", "992"});
}

TEST(DrivingLess, MilesNotDrivenAreThePlainDoubleOfTheStoredMileage) {
    OpenedWindow w("F01_Driving_Less");
    w.calculate({{"txtYearly_Mileage", "12345"}});
    EXPECT_EQ(w.text("lblLess_Miles", 1), "1234.5");
    EXPECT_EQ(w.text("lblLess_Miles", 3), "3703.5");
    // 12345.6 is held as the single 12345.599609375; the tenth is taken in double.
    w.calculate({{"txtYearly_Mileage", "12345.6"}});
    EXPECT_EQ(w.text("lblLess_Miles", 1), "1234.5599609375");
    EXPECT_EQ(w.text("lblLess_Miles", 10), "12345.599609375");
}

TEST(DrivingLess, FiguresFollowTheStoredSinglesAndRoundHalfAway) {
    OpenedWindow w("F01_Driving_Less");
    // 0.1 x 1000 x 0.445 is 44.4999993 in double but 44.5 once stored.
    w.calculate({{"txtYearly_Mileage", "1000"}});
    EXPECT_EQ(w.text("lblOther_Costs", 1), "$45");
    EXPECT_EQ(w.text("lblOther_Costs", 3), "$134");

    // The gas saving is the spending less the stored spending after the cut, not a share of it.
    w.calculate(
        {{"txtYearly_Mileage", "17730"}, {"txtCombined_MPG", "10.8"}, {"txtGas_Cost", "4.6"}});
    EXPECT_EQ(w.text("lblMoney_Savings", 3), "$2266");
    EXPECT_EQ(w.text("lblMoney_Savings", 9), "$6797");
    // ... and the difference itself is stored before it is shown.
    w.calculate(
        {{"txtYearly_Mileage", "25028"}, {"txtCombined_MPG", "27"}, {"txtGas_Cost", "2.165"}});
    EXPECT_EQ(w.text("lblMoney_Savings", 8), "$1606");
    // The carbon dioxide saved is not stored: it is shown from its double value.
    w.calculate(
        {{"txtYearly_Mileage", "5390"}, {"txtCombined_MPG", "30"}, {"txtGas_Cost", "4.74"}});
    EXPECT_EQ(w.text("lblCO2_Reduction", 3), "1054");
}
