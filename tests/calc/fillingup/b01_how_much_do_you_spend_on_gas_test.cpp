// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/registry.h"
#include "support/opened_calculator.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;

namespace {

struct Opened : test::OpenedWindow {
    Opened() : OpenedWindow("B01_HowMuchDoYouSpendOnGas") {}
};

} // namespace

TEST(YearlySpending, LoadShowsTheDefaultsAndTheIntro) {
    Opened w;
    EXPECT_EQ(w.state.box("txtCombined_MPG"), "20");
    EXPECT_EQ(w.state.box("txtGas_Cost"), "3");
    EXPECT_EQ(w.state.box("txtTotal_Mileage"), "12000");
    EXPECT_TRUE(w.state.label("lblInitial_Caption").visible);
    EXPECT_EQ(w.state.label("lblInitial_Caption").text.substr(0, 40),
              "Even a small increase in MPG could save ");
    EXPECT_FALSE(w.state.label("lblCurrent_Results").visible);
    EXPECT_EQ(w.state.label("lblPercent", 3).text, "30%");
    EXPECT_EQ(w.state.label("lblMoney_Total", 1).text, "");
}

TEST(YearlySpending, DefaultsGiveTheSentenceAndFirstColumn) {
    Opened w;
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_FALSE(w.state.label("lblInitial_Caption").visible);
    EXPECT_TRUE(w.state.label("lblCurrent_Results").visible);
    EXPECT_EQ(w.state.label("lblCurrent_Results").text,
              "Based on the information above, you're currently spending about $1800 every year "
              "to buy 600 gallons of gas, and producing 11738 pounds of carbon dioxide.");
    EXPECT_EQ(w.state.label("lblNew_MPG", 1).text, "22.0");
    EXPECT_EQ(w.state.label("lblMoney_Total", 1).text, "$1636");
    EXPECT_EQ(w.state.label("lblMoney_Savings", 1).text, "$164");
    EXPECT_EQ(w.state.label("lblCO2_Total", 1).text, "10671");
    EXPECT_EQ(w.state.label("lblCO2_Reduction", 1).text, "1067");
}

TEST(YearlySpending, SavingsComeFromTheShownWholeDollarTotals) {
    Opened w;
    w.state.box("txtGas_Cost") = "2.899";
    w.state.box("txtTotal_Mileage") = "13,500";
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    // 13500 / 20 * 2.899 = 1956.825 a year, shown as $1957.
    const double spending = 1957.0;
    EXPECT_NE(w.state.label("lblCurrent_Results").text.find("$1957 every year"), std::string::npos);
    for (int d = 1; d <= 5; ++d) {
        const double total = std::stod(w.state.label("lblMoney_Total", d).text.substr(1));
        const double saving = std::stod(w.state.label("lblMoney_Savings", d).text.substr(1));
        EXPECT_NEAR(total + saving, spending, 1.0) << d;
    }
}

TEST(YearlySpending, ACalculateAfterAChangeRefreshesEverything) {
    Opened w;
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    w.state.box("txtCombined_MPG") = "30";
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.state.label("lblCurrent_Results").text,
              "Based on the information above, you're currently spending about $1200 every year "
              "to buy 400 gallons of gas, and producing 7826 pounds of carbon dioxide.");
    EXPECT_EQ(w.state.label("lblNew_MPG", 5).text, "45.0");
    EXPECT_EQ(w.state.label("lblMoney_Total", 5).text, "$800");
    EXPECT_EQ(w.state.label("lblMoney_Savings", 5).text, "$400");
}
