// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/registry.h"
#include "support/opened_calculator.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;

namespace {

struct Opened : test::OpenedWindow {
    Opened() : OpenedWindow("C09_Oxygen_Sensor") {}
    const std::string& per_thousand() const { return state.label("lblResults").text; }
    const std::string& yearly() const { return state.label("lblYearly_Results").text; }
    void set(const std::string& mpg, const std::string& gas, const std::string& miles) {
        state.box("txtCombined_MPG") = mpg;
        state.box("txtGas_Cost") = gas;
        state.box("txtYearly_Mileage") = miles;
    }
};

std::string per_thousand_sentence(const std::string& low, const std::string& high,
                                  const std::string& gallons) {
    return "For every 1000 miles you drive with a bad oxygen sensor, you might be spending "
           "between " +
           low + high + "extra on gas. You could also be putting as much as " + gallons +
           "of gasoline hydrocarbon pollution directly into the atmosphere.";
}

std::string yearly_sentence(const std::string& low, const std::string& high,
                            const std::string& gallons) {
    return "Over the course of a full year, a bad oxygen sensor could cost you between " + low +
           high + "extra on gas, and could put as much as " + gallons +
           "of gasoline hydrocarbon pollution into the air.";
}

const char* const kIntro =
    "Your car's oxygen sensor plays a crucial role in controlling how efficiently the engine "
    "burns gas. Enter your car's combined city/highway mileage, and the cost of gas, then click "
    "on the Calculate button to find out how much money a bad oxygen sensor might cost you for "
    "every 1000 miles you drive, and over the course of a full year.";

} // namespace

TEST(OxygenSensor, LoadShowsTheIntroAndAnEmptyYearlyLabel) {
    CarData car;
    car.Global_Yearly_Miles_Traveled = 9999.5F;
    const test::OpenedWindow opened("C09_Oxygen_Sensor", car);
    const FormState& s = opened.state;
    EXPECT_EQ(s.box("txtCombined_MPG"), "20");
    EXPECT_EQ(s.box("txtGas_Cost"), "3");
    EXPECT_EQ(s.box("txtYearly_Mileage"), "9999.5");
    EXPECT_EQ(s.label("lblResults").text, kIntro);
    EXPECT_EQ(s.label("lblYearly_Results").text, "");
}

TEST(OxygenSensor, TheDefaultsGiveTheHandbookRanges) {
    Opened w;
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.per_thousand(),
              "For every 1000 miles you drive with a bad oxygen sensor, you might be spending "
              "between $16.67 to $26.47 extra on gas. You could also be putting as much as 9 "
              "gallons of gasoline hydrocarbon pollution directly into the atmosphere.");
    EXPECT_EQ(w.yearly(),
              "Over the course of a full year, a bad oxygen sensor could cost you between $200.00 "
              "to $317.65 extra on gas, and could put as much as 106 gallons of gasoline "
              "hydrocarbon pollution into the air.");
}

TEST(OxygenSensor, StoredSinglesShowInTheYearlyCents) {
    // Two stored quotients instead of one whole difference give $378.57; gallons kept unstored
    // for the cost give $440.91.
    Opened w;
    w.set("12", "2.21", "18500");
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.per_thousand(), per_thousand_sentence("$20.46 to ", "$32.50 ", "15 gallons "));
    EXPECT_EQ(w.yearly(), yearly_sentence("$378.56 to ", "$601.25 ", "272 gallons "));
    w.set("13", "2.32", "14000");
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.yearly(), yearly_sentence("$277.61 to ", "$440.90 ", "190 gallons "));
}

TEST(OxygenSensor, DoublingTheMilesDoublesOnlyTheYearlyFigures) {
    Opened w;
    w.set("20", "3", "24000");
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.per_thousand(), per_thousand_sentence("$16.67 to ", "$26.47 ", "9 gallons "));
    EXPECT_EQ(w.yearly(), yearly_sentence("$400.00 to ", "$635.29 ", "212 gallons "));
}

TEST(OxygenSensor, AFaultInAnyStepLeavesBothLabelsAsTheyWere) {
    Opened w;
    // The per-1000-mile figures are fine here; the yearly cost (step 8) overflows.
    w.set("1", "1e10", "1e30");
    EXPECT_FALSE(run_calculate(*w.calc, w.state));
    EXPECT_TRUE(w.state.fault);
    EXPECT_EQ(w.per_thousand(), kIntro);
    EXPECT_EQ(w.yearly(), "");

    w.set("20", "3", "12000");
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    const std::string first = w.per_thousand();
    const std::string second = w.yearly();
    w.set("1", "1e10", "1e30");
    EXPECT_FALSE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.per_thousand(), first);
    EXPECT_EQ(w.yearly(), second);
}
