// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/registry.h"
#include "support/opened_calculator.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;

namespace {

struct Opened : test::OpenedWindow {
    using OpenedWindow::OpenedWindow;
    const std::string& calculate(const std::string& mpg, const std::string& gas) {
        state.box("txtCombined_MPG") = mpg;
        state.box("txtGas_Cost") = gas;
        EXPECT_TRUE(run_calculate(*calc, state));
        return results();
    }
};

std::string air_filter_sentence(const std::string& cost, const std::string& co2) {
    return "For every 1000 miles you drive with a clogged air filter, some say you might be "
           "spending up to " +
           cost + "extra on gas, and producing an extra " + co2 +
           "of carbon dioxide, in addition to suffering from a loss of power. But see the "
           "Handbook helpfile to find out why this \"classic\" result may no longer be valid.";
}

std::string oil_change_sentence(const std::string& cost, const std::string& co2) {
    return "For every 1000 miles you go beyond your regular oil change interval, you might be "
           "spending up to " +
           cost + "extra on gas, and producing an extra " + co2 +
           "of carbon dioxide. And you stand an increasing chance of damaging your engine as "
           "well.";
}

std::string thickness_sentence(const std::string& miles, const std::string& cost,
                               const std::string& co2) {
    return "Over the course of your regular oil change interval of " + miles +
           " miles, you can save up to " + cost + " on gas, and produce " + co2 +
           "less of carbon dioxide by using the oil grade recommended by the manufacturer "
           "instead of a thicker grade.";
}

std::string ecmo_sentence(const std::string& cost, const std::string& co2) {
    return "Over the course of your regular oil change interval, you can save up to " + cost +
           " on gas, and produce " + co2 +
           " pounds less of carbon dioxide by choosing an ECMO (energy-conserving motor oil).";
}

} // namespace

TEST(EngineCareCalculators, LoadFillsTheBoxesAndTheFiveThousandMileInterval) {
    CarData car;
    car.Global_Combined_MPG = 0.5F;
    car.Global_Gas_Cost = 12345.67F;
    for (const char* window :
         {"C05_Air_Filter", "C06_Oil_Change", "C07_Oil_Thickness", "C08_ECMO"}) {
        Opened w(window, car);
        EXPECT_EQ(w.state.box("txtCombined_MPG"), "0.5") << window;
        EXPECT_EQ(w.state.box("txtGas_Cost"), "12345.67") << window;
    }
    EXPECT_EQ(Opened("C07_Oil_Thickness").state.box("txtChange_Interval"), "5000");
    EXPECT_EQ(Opened("C08_ECMO").state.box("txtChange_Interval"), "5000");
}

TEST(EngineCareCalculators, TheDefaultsGiveTheHandbookSentences) {
    Opened filter("C05_Air_Filter");
    ASSERT_TRUE(run_calculate(*filter.calc, filter.state));
    EXPECT_EQ(filter.results(),
              "For every 1000 miles you drive with a clogged air filter, some say you might be "
              "spending up to $16.67 extra on gas, and producing an extra 109 pounds of carbon "
              "dioxide, in addition to suffering from a loss of power. But see the Handbook "
              "helpfile to find out why this \"classic\" result may no longer be valid.");

    Opened change("C06_Oil_Change");
    ASSERT_TRUE(run_calculate(*change.calc, change.state));
    EXPECT_EQ(change.results(),
              "For every 1000 miles you go beyond your regular oil change interval, you might be "
              "spending up to $3.06 extra on gas, and producing an extra 20 pounds of carbon "
              "dioxide. And you stand an increasing chance of damaging your engine as well.");

    Opened thickness("C07_Oil_Thickness");
    ASSERT_TRUE(run_calculate(*thickness.calc, thickness.state));
    EXPECT_EQ(thickness.results(),
              "Over the course of your regular oil change interval of 5000 miles, you can save "
              "up to $11.42  on gas, and produce 74 pounds less of carbon dioxide by using the "
              "oil grade recommended by the manufacturer instead of a thicker grade.");

    Opened ecmo("C08_ECMO");
    ASSERT_TRUE(run_calculate(*ecmo.calc, ecmo.state));
    EXPECT_EQ(ecmo.results(),
              "Over the course of your regular oil change interval, you can save up to $20.81 on "
              "gas, and produce 136 pounds less of carbon dioxide by choosing an ECMO "
              "(energy-conserving motor oil).");
}

TEST(EngineCareCalculators, EachWindowHasItsOwnFactorAndStoredSingles) {
    // Cents that move when the gallons are not worked out whole, not stored, or the cost is
    // rounded from more than a single's 7 digits.
    Opened filter("C05_Air_Filter");
    EXPECT_EQ(filter.calculate("16", "2.61"), air_filter_sentence("$18.13 ", "136 pounds "));
    Opened change("C06_Oil_Change");
    EXPECT_EQ(change.calculate("16", "4.41"), oil_change_sentence("$5.63 ", "25 pounds "));
    EXPECT_EQ(change.calculate("48", "4.41"), oil_change_sentence("$1.88 ", "8 pounds "));
    Opened thickness("C07_Oil_Thickness");
    thickness.state.box("txtChange_Interval") = "21500";
    EXPECT_EQ(thickness.calculate("10", "3.38"),
              thickness_sentence("21500", "$110.67 ", "641 pounds "));
    thickness.state.box("txtChange_Interval") = "12500";
    EXPECT_EQ(thickness.calculate("11", "4.77"),
              thickness_sentence("12500", "$82.55 ", "339 pounds "));
    Opened ecmo("C08_ECMO");
    ecmo.state.box("txtChange_Interval") = "1000";
    EXPECT_EQ(ecmo.calculate("10", "3.31"), ecmo_sentence("$9.18", "54"));
    ecmo.state.box("txtChange_Interval") = "13000";
    EXPECT_EQ(ecmo.calculate("10", "3.04"), ecmo_sentence("$109.66", "706"));
}

TEST(EngineCareCalculators, TheIntervalAsEnteredIsRoundedHalfAwayFromZero) {
    Opened thickness("C07_Oil_Thickness");
    thickness.state.box("txtChange_Interval") = "4500.5";
    EXPECT_EQ(thickness.calculate("20", "3"), thickness_sentence("4501", "$10.28 ", "67 pounds "));
}

TEST(EngineCareCalculators, TheIntervalScalesTheResultAndThePerThousandOnesDoNot) {
    Opened ecmo("C08_ECMO");
    ecmo.state.box("txtChange_Interval") = "10,000";
    EXPECT_EQ(ecmo.calculate("20", "3"), ecmo_sentence("$41.62", "271"));
    // The per-1000-mile windows have no distance box at all.
    EXPECT_EQ(Opened("C05_Air_Filter").state.description().boxes.size(), 2U);
    EXPECT_EQ(Opened("C06_Oil_Change").state.description().boxes.size(), 2U);
}

TEST(EngineCareCalculators, AFaultKeepsTheIntro) {
    Opened w("C06_Oil_Change");
    const std::string intro = w.results();
    w.state.box("txtCombined_MPG") = "10";
    w.state.box("txtGas_Cost") = "3e38";
    EXPECT_FALSE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.state.fault, std::optional<std::string>(kFaultMessage));
    EXPECT_EQ(w.results(), intro);
}
