// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/registry.h"
#include "support/opened_calculator.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;

namespace {

struct Opened : test::OpenedWindow {
    Opened() : OpenedWindow("B04_Gas_Air_Temp") {}

    void calculate(const char* high, const char* low, const char* gallons, const char* price) {
        state.box("txtHighTemp") = high;
        state.box("txtLowTemp") = low;
        state.box("txtGallonsPurchased") = gallons;
        state.box("txtGas_Cost") = price;
        ASSERT_TRUE(run_calculate(*calc, state));
    }
    const LabelState& result() const { return state.label("lblGasTempResults"); }
};

std::string result(const char* saving, const char* per_gallon, const char* gallons, const char* low,
                   const char* high) {
    return std::string("If you assume that the temperature of the gas you're pumping changes with "
                       "the air temperature, you will save only ") +
           saving + ", or about " + per_gallon + " a gallon, by buying " + gallons +
           " gallons of gas when the gas temperature is " + low + " instead of when it's " + high +
           ". See the Help manual to see why you are unlikely to see even these small savings in "
           "real life.";
}

const Message kSwapped{"Milora",
                       "The high temperature you entered was lower than the low temperature, so "
                       "I've taken the liberty of swapping the two numbers",
                       Icon::None, Buttons::Ok};

} // namespace

TEST(GasAirTemp, LoadsTheIntroAtTenPoints) {
    CarData car;
    car.Global_Gas_Cost = 3.459F;
    const test::OpenedWindow opened("B04_Gas_Air_Temp", car);
    const FormState& s = opened.state;
    EXPECT_EQ(s.box("txtHighTemp"), "82");
    EXPECT_EQ(s.box("txtLowTemp"), "79");
    EXPECT_EQ(s.box("txtGallonsPurchased"), "10");
    EXPECT_EQ(s.box("txtGas_Cost"), "3.459");
    EXPECT_EQ(s.label("lblGasTempResults").points, 10);
    EXPECT_EQ(
        s.label("lblGasTempResults").text,
        "There's a common belief that you can save a lot on gasoline by buying it early in the "
        "morning, because the gas will be cooler and denser at that time then it will be later on "
        "in the day after it heats up. See the Help manual to find out why this belief is almost "
        "certainly false, and why filling up in the morning can actually have negative "
        "environmental consequences. But even if there's a slightest bit of truth to this belief, "
        "your savings are going to be small. Enter the highest and lowest temperatures you think "
        "the gasoline at a filling station might reach during a 24-hour period, along with the "
        "other data, and find out how little you'd actually save even if this were true.");
}

TEST(GasAirTemp, InitialValuesGiveSevenCentsAtTwelvePoints) {
    Opened w;
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.result().points, 12);
    EXPECT_EQ(w.result().text, result("$0.07", "$0.01", "10.0", "79", "82"));
    EXPECT_TRUE(w.state.dialogue.kept().empty());
}

TEST(GasAirTemp, TwoDigitPatternsAndEqualTemperatures) {
    Opened w;
    w.calculate("9", "5", "5", "3");
    EXPECT_EQ(w.result().text, result("$0.02", "$0.00", "05.0", "05", "09"));
    w.calculate("80", "80", "10", "3");
    EXPECT_EQ(w.result().text, result("$0.00", "$0.00", "10.0", "80", "80"));
    w.calculate("104.5", "99.6", "12.25", "3");
    EXPECT_EQ(w.result().text, result("$0.16", "$0.01", "12.3", "100", "105"));
}

TEST(GasAirTemp, TheFactorIsAStoredSingleAndThePerGallonFigureADouble) {
    Opened w;
    // The factor kept in double would give $6.50.
    w.calculate("103", "37", "26.1", "5.48");
    EXPECT_EQ(w.result().text, result("$6.51", "$0.25", "26.1", "37", "103"));
    // The saving per gallon stored as a single would show $0.12.
    w.calculate("101", "66", "26.6", "4.22");
    EXPECT_EQ(w.result().text, result("$3.06", "$0.11", "26.6", "66", "101"));
}

TEST(GasAirTemp, AHighBelowTheLowIsSwappedInTheBoxesOnce) {
    Opened w;
    w.calculate("79", "82.50", "10", "3");
    EXPECT_EQ(w.state.box("txtHighTemp"), "82.5");
    EXPECT_EQ(w.state.box("txtLowTemp"), "79");
    ASSERT_EQ(w.state.dialogue.kept().size(), 1U);
    EXPECT_EQ(w.state.dialogue.kept()[0], kSwapped);
    EXPECT_EQ(w.result().text, result("$0.08", "$0.01", "10.0", "79", "83"));
    (void)w.state.dialogue.take_kept();
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_TRUE(w.state.dialogue.kept().empty());
    EXPECT_EQ(w.result().text, result("$0.08", "$0.01", "10.0", "79", "83"));
}
