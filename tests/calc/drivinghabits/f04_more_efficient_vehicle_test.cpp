// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/opened_calculator.h"

using namespace milora;
using namespace milora::test;

namespace {

std::string sentence(const char* miles, const char* high, const char* low, const char* money,
                     const char* co2, const char* price) {
    return std::string("Driving ") + miles + " miles in a year, if you choose the car that gets " +
           high + " miles per gallon instead of the one that gets the lower MPG of " + low +
           " miles per gallon, you will save " + money + " on gas, and you will put " + co2 +
           " fewer pounds of carbon dioxide into the air. Driving the less-efficient car is the "
           "equivalent of spending " +
           price + " for a gallon of gas.";
}

const char* const kSame = "Since both cars get the same miles per gallon, there's no advantage "
                          "to driving one or the other in terms of gas consumption.";

} // namespace

TEST(MoreEfficientVehicle, OpensWithTheCarDataTheConstantsAndTheIntro) {
    OpenedWindow w("F04_More_Efficient_Vehicle");
    EXPECT_EQ(w.state.box("txtGas_Cost"), "3");
    EXPECT_EQ(w.state.box("txtMPG_Car1"), "20");
    EXPECT_EQ(w.state.box("txtMPG_Car2"), "16");
    EXPECT_EQ(w.state.box("txtMiles_Of_Choice"), "3000");
    EXPECT_EQ(w.text("lblResults"),
              "If you own two cars, you can use this calculator to determine how much you could "
              "save by using the more fuel-efficient vehicle when you have a choice.");
}

TEST(MoreEfficientVehicle, DefaultsAndTheSwappedCarsGiveTheSameSentence) {
    const std::string expected = sentence("3000", "20.0", "16.0", "$112.50", "734", "$3.75");
    OpenedWindow w("F04_More_Efficient_Vehicle");
    w.calculate();
    EXPECT_EQ(w.text("lblResults"), expected);
    w.calculate({{"txtMPG_Car1", "16"}, {"txtMPG_Car2", "20"}});
    EXPECT_EQ(w.text("lblResults"), expected);
}

TEST(MoreEfficientVehicle, OnlyExactlyEqualMpgsAreTheSame) {
    OpenedWindow w("F04_More_Efficient_Vehicle");
    w.calculate({{"txtMPG_Car2", "20"}});
    EXPECT_EQ(w.text("lblResults"), kSame);
    w.calculate({{"txtMPG_Car1", "33.3"}, {"txtMPG_Car2", "33.30"}});
    EXPECT_EQ(w.text("lblResults"), kSame);
    // A hundredth apart: both show as 20.0, and the sentence is still given.
    w.calculate({{"txtMPG_Car1", "20"}, {"txtMPG_Car2", "20.01"}});
    EXPECT_EQ(w.text("lblResults"), sentence("3000", "20.0", "20.0", "$0.22", "1", "$3.00"));
    // After the equal case a different pair gives the full sentence again.
    w.calculate({{"txtMPG_Car2", "16"}});
    EXPECT_EQ(w.text("lblResults"), sentence("3000", "20.0", "16.0", "$112.50", "734", "$3.75"));
}

TEST(MoreEfficientVehicle, FiguresComeFromTheStoredSingles) {
    OpenedWindow w("F04_More_Efficient_Vehicle");
    // 40 x 1.926 / 16 is 4.81499999 in double, 4.815 once stored: $4.82.
    w.calculate({{"txtMPG_Car1", "40"}, {"txtGas_Cost", "1.926"}});
    EXPECT_EQ(w.text("lblResults"), sentence("3000", "40.0", "16.0", "$216.68", "2201", "$4.82"));
    // Figures round half away: 22.25 and 12.75 mpg, 2500.5 miles.
    w.calculate({{"txtMPG_Car1", "12.75"},
                 {"txtMPG_Car2", "22.25"},
                 {"txtGas_Cost", "3"},
                 {"txtMiles_Of_Choice", "2500.5"}});
    EXPECT_EQ(w.text("lblResults"), sentence("2501", "22.3", "12.8", "$251.21", "1638", "$5.24"));
}

TEST(MoreEfficientVehicle, AnMpgTooSmallToDivideByStopsWithTheFaultMessage) {
    OpenedWindow w("F04_More_Efficient_Vehicle");
    const std::string intro = w.text("lblResults");
    w.state.box("txtMPG_Car2") = "1e-45"; // passes the check: more than zero
    EXPECT_FALSE(calc::validate_box(w.state, "txtMPG_Car2"));
    EXPECT_FALSE(calc::run_calculate(*w.calc, w.state));
    EXPECT_TRUE(w.state.fault);
    ASSERT_EQ(w.state.messages.size(), 1U);
    EXPECT_EQ(w.state.messages[0].text, kFaultMessage);
    EXPECT_EQ(w.text("lblResults"), intro);
}
