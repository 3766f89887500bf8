// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/opened_calculator.h"

using namespace milora;
using milora::test::OpenedWindow;

namespace {

std::string idling_text(const char* minutes, const char* low, const char* high, const char* co2,
                        const char* co2_high, const char* other, const char* other_high) {
    return std::string("If you can reduce the average amount of time you spend idling by ") +
           minutes + " minutes every day, you will save between " + low + " and " + high +
           " a year on gas, and produce between " + co2 + " and " + co2_high +
           " fewer pounds of carbon dioxide every year. You will also cut your output of carbon "
           "monoxide, nitrogen oxides,  particulates and other pollutants by " +
           other + " to " + other_high + " pounds per year.";
}

} // namespace

TEST(Idling, OpensWithTheGasPriceTenMinutesAndTheIntro) {
    CarData car;
    car.Global_Gas_Cost = 2.899F;
    OpenedWindow w("D01_Idling", car);
    EXPECT_EQ(w.state.box("txtGas_Cost"), "2.899");
    EXPECT_EQ(w.state.box("txtIdling_Reduction"), "10");
    EXPECT_EQ(w.state.label("lblResults").text,
              "When your car idles (engine running, but the car not moving), it gets zero miles "
              "per gallon. Enter the cost of gas, and the average number of minutes per day you "
              "can reduce unnecessary idling. Click on Calculate, and find out how much money you "
              "can save on gas every year, and how much less carbon dioxide you will produce "
              "every year.");
}

TEST(Idling, TenMinutesAtThreeDollarsGivesTheRange) {
    OpenedWindow w("D01_Idling");
    EXPECT_EQ(w.calculate(), idling_text("10", "$91.25", "$182.50", "595", "1190", "14", "28"));
}

TEST(Idling, HighFiguresDoubleTheStoredLowFigures) {
    OpenedWindow w("D01_Idling");
    // The low cost is stored as 18.432499; twice that, held as a single, shows as 36.86500 and
    // so $36.87. Twice the unrounded product (36.8649997), or the doubled figure kept in double
    // (36.8649978637695), would show $36.86.
    EXPECT_EQ(w.calculate({{"txtGas_Cost", "1.01"}, {"txtIdling_Reduction", "6"}}),
              idling_text("6", "$18.43", "$36.87", "357", "714", "8", "17"));
}

TEST(Idling, MinutesShowAsAWholeNumberButCountInFull) {
    OpenedWindow w("D01_Idling");
    // 2.5 minutes: 7.604167 gallons, $22.8125 and $45.625; the minutes round half away from zero.
    EXPECT_EQ(w.calculate({{"txtIdling_Reduction", "2.5"}}),
              idling_text("3", "$22.81", "$45.63", "149", "298", "4", "7"));
}

TEST(Idling, AnOverflowLeavesTheTextAsItWas) {
    OpenedWindow w("D01_Idling");
    const std::string intro = w.state.label("lblResults").text;
    w.type({{"txtIdling_Reduction", "1e38"}});
    EXPECT_FALSE(calc::run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.state.label("lblResults").text, intro);
}

TEST(Idling, EachBoxRefusesWithItsOwnMessage) {
    OpenedWindow w("D01_Idling");
    EXPECT_EQ(w.refusal("txtGas_Cost", "0"),
              "Data Error: Please enter a valid number for gas cost, greater than 0.");
    EXPECT_EQ(w.refusal("txtIdling_Reduction", "-5"),
              "Data Error: Please enter a valid number for the reduction in daily idling in "
              "minutes, greater than 0.");
}
