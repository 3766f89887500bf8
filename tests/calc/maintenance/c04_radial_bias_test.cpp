// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/registry.h"
#include "support/opened_calculator.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;

namespace {

struct Opened : test::OpenedWindow {
    Opened() : OpenedWindow("C04_Radial_Bias") {}
    const std::string& results() const { return state.label("lblResults").text; }
    void set(const std::string& mpg, const std::string& radial_life, const std::string& bias_life,
             const std::string& radial_cost, const std::string& bias_cost) {
        state.box("txtCombined_MPG") = mpg;
        state.box("txtRadial_Life") = radial_life;
        state.box("txtBias_Life") = bias_life;
        state.box("txtRadial_Cost") = radial_cost;
        state.box("txtBias_Cost") = bias_cost;
    }
};

std::string sentence(const std::string& upfront, const std::string& gas, const std::string& co2,
                     const std::string& miles, const std::string& replacement,
                     const std::string& net) {
    return "Buying four bias ply tires will cost you " + upfront +
           "less upfront than four radial ply tires. But over the life of the bias ply tires, you "
           "will spend about " +
           gas +
           "more for gas than you would have if you had bought radial ply tires, and you will have "
           "produced " +
           co2 +
           " more pounds of carbon dioxide as well. And, since radial tires would have lasted an "
           "additional " +
           miles + "longer than the bias ply tires, you will effectively pay an additional " +
           replacement +
           "extra to replace the bias tires more frequently than the radial tires. So while "
           "buying bias ply tires may seem cheaper upfront, in the long run, you will actually "
           "save " +
           net + "by buying radial tires instead.";
}

} // namespace

TEST(RadialBias, LoadShowsTheCarDataAndTheTireConstants) {
    CarData car;
    car.Global_Gas_Cost = 2.899F;
    car.Global_Combined_MPG = 31.5F;
    const test::OpenedWindow opened("C04_Radial_Bias", car);
    const FormState& s = opened.state;
    EXPECT_EQ(s.box("txtGas_Cost"), "2.899");
    EXPECT_EQ(s.box("txtCombined_MPG"), "31.5");
    EXPECT_EQ(s.box("txtRadial_Life"), "60000");
    EXPECT_EQ(s.box("txtBias_Life"), "40000");
    EXPECT_EQ(s.box("txtRadial_Cost"), "100");
    EXPECT_EQ(s.box("txtBias_Cost"), "70");
}

TEST(RadialBias, TheDefaultsGiveTheHandbookSentence) {
    Opened w;
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.results(),
              "Buying four bias ply tires will cost you $120.00 less upfront than four radial ply "
              "tires. But over the life of the bias ply tires, you will spend about $185.57 more "
              "for gas than you would have if you had bought radial ply tires, and you will have "
              "produced 1210 more pounds of carbon dioxide as well. And, since radial tires would "
              "have lasted an additional 20000 miles longer than the bias ply tires, you will "
              "effectively pay an additional $140.00 extra to replace the bias tires more "
              "frequently than the radial tires. So while buying bias ply tires may seem cheaper "
              "upfront, in the long run, you will actually save $205.57 by buying radial tires "
              "instead.");
}

TEST(RadialBias, StoredSinglesShowInTheCents) {
    // Storing the gas cost's gallons whole (not as two stored quotients) gives $89.21; the stored
    // single life fraction gives $728.54 where an unstored one gives $728.53.
    Opened w;
    w.set("26", "40000", "25000", "60", "40");
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.results(),
              sentence("$80.00 ", "$89.21 ", "582", "15000 miles ", "$96.00 ", "$105.21 "));
    w.set("26", "65000", "25000", "60", "84.55");
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.results(),
              sentence("-$98.20 ", "$89.21 ", "582", "40000 miles ", "$541.12 ", "$728.54 "));
}

TEST(RadialBias, SignsAreShownAsTheyCome) {
    // A radial tire that is cheaper and wears out sooner: negative saving, miles and replacement.
    Opened w;
    w.set("20", "30000", "40000", "60", "70");
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.results(),
              sentence("-$40.00 ", "$185.57 ", "1210", "-10000 miles ", "-$70.00 ", "$155.57 "));
    // Equal lives: nothing to replace, the net is the gas less the upfront saving.
    w.set("20", "40000", "40000", "100", "70");
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.results(),
              sentence("$120.00 ", "$185.57 ", "1210", "0 miles ", "$0.00 ", "$65.57 "));
}

TEST(RadialBias, TheGasFiguresDependOnlyOnTheBiasLife) {
    Opened w;
    w.state.box("txtRadial_Life") = "90000";
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.results(),
              sentence("$120.00 ", "$185.57 ", "1210", "50000 miles ", "$350.00 ", "$415.57 "));
}

TEST(RadialBias, AFaultLeavesTheIntroInPlace) {
    Opened w;
    const std::string intro = w.results();
    w.state.box("txtBias_Cost") = "1e38";
    EXPECT_FALSE(run_calculate(*w.calc, w.state));
    EXPECT_TRUE(w.state.fault);
    EXPECT_EQ(w.results(), intro);
}
