// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/registry.h"
#include "support/opened_calculator.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;

namespace {

std::string result(const char* cost) {
    return std::string("A missing gas cap can result in the evaporation of roughly 24 gallons of "
                       "gas per year, costing you ") +
           cost +
           ". It also increase pollution, and may even require expensive repairs; see the "
           "Handbook helpfile for more info.";
}

} // namespace

TEST(GasCap, IntroThenTheYearlyCost) {
    test::OpenedWindow opened("B06_Gas_Cap");
    std::unique_ptr<Calculator>& calc = opened.calc;
    FormState& s = opened.state;
    EXPECT_EQ(s.box("txtGas_Cost"), "3");
    EXPECT_EQ(s.label("lblEvapCosts").text,
              "Is your gas cap missing? If yes, gasoline will be continously evaporating from your "
              "tank. Find out how much this could be costing you every year.");
    ASSERT_TRUE(run_calculate(*calc, s));
    EXPECT_EQ(s.label("lblEvapCosts").text, result("$73.00"));
}

TEST(GasCap, TheGallonsEvaporatedAreASingle) {
    test::OpenedWindow opened("B06_Gas_Cap");
    std::unique_ptr<Calculator>& calc = opened.calc;
    FormState& s = opened.state;
    // 365 / 15 kept in double would give $7578.32.
    s.box("txtGas_Cost") = "311.438";
    ASSERT_TRUE(run_calculate(*calc, s));
    EXPECT_EQ(s.label("lblEvapCosts").text, result("$7578.33"));
    s.box("txtGas_Cost") = "0.01";
    ASSERT_TRUE(run_calculate(*calc, s));
    EXPECT_EQ(s.label("lblEvapCosts").text, result("$0.24"));
}
