// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/registry.h"
#include "support/opened_calculator.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;

namespace {

struct Opened : test::OpenedWindow {
    Opened() : OpenedWindow("B03_Expensive_Vs_Cheap") {}

    void calculate(const char* mpg, const char* difference, const char* miles) {
        state.box("txtCombined_MPG") = mpg;
        state.box("txtGas_Cost") = difference;
        state.box("txtYearlyDistance") = miles;
        ASSERT_TRUE(run_calculate(*calc, state));
    }
    std::string one() const { return state.label("lblOneYearPR").text; }
    std::string five() const { return state.label("lblFiveYearPR").text; }
};

std::string one_year(const char* amount) {
    return std::string("In one year, you will save ") + amount +
           " by buying the cheaper brand of gasoline.";
}
std::string five_years(const char* amount) {
    return std::string("Over five years, you will save ") + amount +
           " by buying the cheaper brand of gasoline.";
}

} // namespace

TEST(ExpensiveVsCheap, LoadsTheMpgAndItsOwnConstants) {
    CarData car;
    car.Global_Combined_MPG = 31.5F;
    car.Global_Yearly_Miles_Traveled = 9000.0F; // not used: the window has its own 15000
    const test::OpenedWindow opened("B03_Expensive_Vs_Cheap", car);
    const FormState& s = opened.state;
    EXPECT_EQ(s.box("txtCombined_MPG"), "31.5");
    EXPECT_EQ(s.box("txtGas_Cost"), "0.2");
    EXPECT_EQ(s.box("txtYearlyDistance"), "15000");
    EXPECT_TRUE(s.label("lblInitial_Caption").visible);
    EXPECT_EQ(s.label("lblInitial_Caption").text,
              "If you have the choice, buying regular instead of premium, or a cheaper brand of "
              "gasoline, can save you big bucks. Enter the difference in price between the cheap "
              "and expensive gasolines, along with the other information, and click on Calculate "
              "to find out how much you can save over one and five years by choosing the cheaper "
              "brand.");
    EXPECT_EQ(s.label("lblOneYearPR").text, "Savings over one year");
    EXPECT_EQ(s.label("lblFiveYearPR").text, "Savings over five years");
}

TEST(ExpensiveVsCheap, OneAndFiveYearSavings) {
    Opened w;
    w.calculate("20", "0.2", "15000");
    EXPECT_FALSE(w.state.label("lblInitial_Caption").visible);
    EXPECT_EQ(w.one(), one_year("$150.00"));
    EXPECT_EQ(w.five(), five_years("$750.00"));
}

TEST(ExpensiveVsCheap, TheYearlySavingIsOneStoredSingle) {
    Opened w;
    // Storing 16772 / 24 before the price difference would give $3459.22.
    w.calculate("24", "0.99", "16772");
    EXPECT_EQ(w.one(), one_year("$691.85"));
    EXPECT_EQ(w.five(), five_years("$3459.23"));
    // Five years are the stored saving times five, in double; stored again as a single they
    // would show $1482.90.
    w.calculate("29.4", "0.74", "11783");
    EXPECT_EQ(w.one(), one_year("$296.58"));
    EXPECT_EQ(w.five(), five_years("$1482.89"));
}
