// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/registry.h"
#include "support/opened_calculator.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;

namespace {

using Opened = test::OpenedWindow;

std::string pressure_sentence(const std::string& psi, const std::string& cost,
                              const std::string& co2) {
    return "If your four tires are underinflated by a total of " + psi +
           ", it could be costing you as much as " + cost + " a year, producing an extra " + co2 +
           " pounds of carbon dioxide every year, and negatively impacting safety, handling and "
           "tire life.";
}

std::string alignment_sentence(const std::string& cost, const std::string& co2) {
    return "If your car's wheels are out of alignment, it could be costing you as much as " + cost +
           " a year, and producing an extra " + co2 +
           " pounds of carbon dioxide every year. Your safety, handling and tire life will also "
           "suffer as well.";
}

std::string tread_sentence(const std::string& cost, const std::string& co2) {
    return "If you buy tires with an unnecessarily \"aggressive\" tread, it could be costing you "
           "as much as " +
           cost + " over the life of the tires, and producing an extra " + co2 +
           " pounds of carbon dioxide over that period. You're likely to pay more for those kind "
           "of tires as well, adding to the extra expense.";
}

} // namespace

TEST(TireCalculators, LoadFillsTheBoxesFromTheCarDataAndTheConstants) {
    CarData car;
    car.Global_Combined_MPG = 23.5F;
    car.Global_Gas_Cost = 0.445F;
    car.Global_Yearly_Miles_Traveled = 15000;
    Opened pressure("C01_Tire_Pressure", car);
    EXPECT_EQ(pressure.state.box("txtCombined_MPG"), "23.5");
    EXPECT_EQ(pressure.state.box("txtYearly_Mileage"), "15000");
    EXPECT_EQ(pressure.state.box("txtTotal_Underinflation"), "12");
    EXPECT_EQ(pressure.state.box("txtGas_Cost"), "0.445");
    Opened tread("C03_Tire_Tread", car);
    EXPECT_EQ(tread.state.box("txtTire_Life"), "50000");
    EXPECT_EQ(tread.state.box("txtCombined_MPG"), "23.5");
}

TEST(TireCalculators, LoadShowsTheIntroWithItsTwoBlanks) {
    EXPECT_EQ(
        Opened("C01_Tire_Pressure").results(),
        "While the effect on fuel efficiency is less than once thought, under-inflated tires  can "
        "still decrease you fuel economy, hurt safety and handling, and reduce tire life. In the "
        "boxes above, enter your combined city/highway MPG, the total number of miles you drive "
        "every year, the combined underpressure of all 4 tires (how much below the recommended "
        "pressure all of your tires are), and the cost of gas in dollars per gallon. Click on the "
        "Calculate button, and see here how much that underinflation might cost you per year both "
        "in dollars and increased carbon dioxide emissions.");
}

TEST(TireCalculators, TheDefaultsGiveTheHandbookFigures) {
    Opened pressure("C01_Tire_Pressure");
    ASSERT_TRUE(run_calculate(*pressure.calc, pressure.state));
    EXPECT_EQ(pressure.results(),
              "If your four tires are underinflated by a total of 12.0 psi, it could be costing "
              "you as much as $21.86 a year, producing an extra 143 pounds of carbon dioxide "
              "every year, and negatively impacting safety, handling and tire life.");

    Opened alignment("C02_Tire_Alignment");
    ASSERT_TRUE(run_calculate(*alignment.calc, alignment.state));
    EXPECT_EQ(alignment.results(),
              "If your car's wheels are out of alignment, it could be costing you as much as "
              "$36.73 a year, and producing an extra 240 pounds of carbon dioxide every year. "
              "Your safety, handling and tire life will also suffer as well.");

    Opened tread("C03_Tire_Tread");
    ASSERT_TRUE(run_calculate(*tread.calc, tread.state));
    EXPECT_EQ(tread.results(),
              "If you buy tires with an unnecessarily \"aggressive\" tread, it could be costing "
              "you as much as $312.50 over the life of the tires, and producing an extra 2038 "
              "pounds of carbon dioxide over that period. You're likely to pay more for those "
              "kind of tires as well, adding to the extra expense.");
}

TEST(TireCalculators, TheUnderinflationIsShownWithOneDecimalRoundedHalfAway) {
    Opened w("C01_Tire_Pressure");
    w.state.box("txtTotal_Underinflation") = "12.25";
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.results(), pressure_sentence("12.3 psi", "$22.32", "146"));
}

TEST(TireCalculators, FiguresFollowTheStoredSinglesOfTheModel) {
    // Each of these shows one cent more or less when a stored single is skipped or added: the
    // loss percent of the pressure window, the extra gallons, the 7-digit rounding of the cost.
    Opened pressure("C01_Tire_Pressure");
    pressure.state.box("txtTotal_Underinflation") = "3";
    pressure.state.box("txtCombined_MPG") = "35";
    ASSERT_TRUE(run_calculate(*pressure.calc, pressure.state));
    EXPECT_EQ(pressure.results(), pressure_sentence("3.0 psi", "$3.10", "20"));

    Opened alignment("C02_Tire_Alignment");
    alignment.state.box("txtCombined_MPG") = "10";
    alignment.state.box("txtGas_Cost") = "2.44";
    ASSERT_TRUE(run_calculate(*alignment.calc, alignment.state));
    EXPECT_EQ(alignment.results(), alignment_sentence("$59.76", "479"));
    alignment.state.box("txtCombined_MPG") = "19";
    alignment.state.box("txtGas_Cost") = "3.48";
    ASSERT_TRUE(run_calculate(*alignment.calc, alignment.state));
    EXPECT_EQ(alignment.results(), alignment_sentence("$44.86", "252"));

    Opened tread("C03_Tire_Tread");
    tread.state.box("txtCombined_MPG") = "16";
    tread.state.box("txtGas_Cost") = "4.2";
    ASSERT_TRUE(run_calculate(*tread.calc, tread.state));
    EXPECT_EQ(tread.results(), tread_sentence("$546.87", "2547"));
    tread.state.box("txtGas_Cost") = "1.56";
    ASSERT_TRUE(run_calculate(*tread.calc, tread.state));
    EXPECT_EQ(tread.results(), tread_sentence("$203.13", "2547"));
}

TEST(TireCalculators, DoublingTheDistanceDoublesEveryFigure) {
    Opened alignment("C02_Tire_Alignment");
    alignment.state.box("txtYearly_Mileage") = "24,000";
    ASSERT_TRUE(run_calculate(*alignment.calc, alignment.state));
    EXPECT_EQ(alignment.results(), alignment_sentence("$73.47", "479"));
    Opened tread("C03_Tire_Tread");
    tread.state.box("txtTire_Life") = "100000";
    ASSERT_TRUE(run_calculate(*tread.calc, tread.state));
    EXPECT_EQ(tread.results(), tread_sentence("$625.00", "4076"));
}

TEST(TirePressure, RefusesATotalOf1000PsiOrMoreBeforeComputing) {
    const Message refusal{"Data Error",
                          "Please enter a total underinflation of less than 1000 psi. At 1000 "
                          "psi or more the tires would take away all of the car's fuel economy, "
                          "and no cost can be worked out.",
                          Icon::Warning, Buttons::Ok};
    for (const char* psi : {"1000", "1,000.0", "4000", "1e30"}) {
        Opened w("C01_Tire_Pressure");
        ASSERT_TRUE(run_calculate(*w.calc, w.state));
        const std::string before = w.results();
        w.state.box("txtTotal_Underinflation") = psi;
        // A gas cost that would overflow shows the limit is checked before any arithmetic.
        w.state.box("txtGas_Cost") = "3e38";
        (void)run_calculate(*w.calc, w.state);
        ASSERT_EQ(w.state.dialogue.kept().size(), 1U) << psi;
        EXPECT_EQ(w.state.dialogue.kept()[0], refusal) << psi;
        EXPECT_TRUE(w.state.fault) << psi;
        EXPECT_EQ(w.results(), before) << psi;
    }
}

TEST(TirePressure, JustBelowTheLimitStillGivesAFigure) {
    Opened w("C01_Tire_Pressure");
    w.state.box("txtTotal_Underinflation") = "999.9";
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_TRUE(w.state.dialogue.kept().empty());
    EXPECT_EQ(w.results().substr(0, 61),
              "If your four tires are underinflated by a total of 999.9 psi,");
}

TEST(TireCalculators, AFloatingPointFaultKeepsTheTextShownAndSaysSo) {
    Opened w("C02_Tire_Alignment");
    w.state.box("txtGas_Cost") = "3e38";
    EXPECT_FALSE(run_calculate(*w.calc, w.state));
    EXPECT_TRUE(w.state.fault);
    ASSERT_EQ(w.state.dialogue.kept().size(), 1U);
    EXPECT_EQ(w.state.dialogue.kept()[0].text, kFaultMessage);
    EXPECT_EQ(w.results().substr(0, 40), "Bad wheel alignment not only wears out y");
}
