// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/opened_calculator.h"

using namespace milora;
using milora::test::OpenedWindow;

namespace {

std::string per_1000_text(const char* cost, const char* co2) {
    return std::string("For every 1000 miles you drive with the air conditioning on, you will "
                       "spend about ") +
           cost + " extra on gas. You could also be putting as much as " + co2 +
           " pounds of extra carbon dioxide directly into the atmosphere.";
}

std::string yearly_text(const char* miles, const char* cost, const char* co2) {
    return std::string("Over the course of a full year, if you drive ") + miles +
           " miles with the air conditioning on, you will spend " + cost +
           "more on gas than you would have with the A/C off, and could put as much as " + co2 +
           " more pounds of carbon dioxide into the air.";
}

} // namespace

TEST(AirConditioning, OpensWithTheIntroAndNoYearlyResult) {
    CarData car;
    car.Global_Combined_MPG = 27.5F;
    OpenedWindow w("D02_Air_Conditioning", car);
    EXPECT_EQ(w.state.box("txtCombined_MPG"), "27.5");
    EXPECT_EQ(w.state.box("txtGas_Cost"), "3");
    EXPECT_EQ(w.state.box("txtAC_Mileage"), "4000");
    EXPECT_EQ(w.state.label("lblResults").text,
              "Using your air conditioning (A/C) puts a significant extra load on your car's "
              "engine, decreasing your fuel economy. Enter your car's combined city/highway "
              "mileage, the cost of gas, and the approximate number of miles you drive every year "
              "with the air conditioning on. Then click on the Calculate button to find out how "
              "much money using the A/C might cost you for every 1000 miles you drive, and over "
              "the course of a full year.");
    EXPECT_EQ(w.state.label("lblYearly_Results").text, "");
}

TEST(AirConditioning, TwentyMpgAndFourThousandMiles) {
    OpenedWindow w("D02_Air_Conditioning");
    EXPECT_EQ(w.calculate(), per_1000_text("$39.87", "260"));
    EXPECT_EQ(w.state.label("lblYearly_Results").text, yearly_text("4000", "$159.49 ", "1040"));
}

TEST(AirConditioning, EachGallonFigureIsEvaluatedWholeThenStored) {
    OpenedWindow w("D02_Air_Conditioning");
    // 7777 miles at 10 MPG and $3.06: 206.73038 gallons a year, $632.595 as stored. Storing
    // either quotient on its own, or keeping the dollars in double, shows $632.59.
    EXPECT_EQ(w.calculate(
                  {{"txtCombined_MPG", "10"}, {"txtGas_Cost", "3.06"}, {"txtAC_Mileage", "7777"}}),
              per_1000_text("$81.34", "520"));
    EXPECT_EQ(w.state.label("lblYearly_Results").text, yearly_text("7777", "$632.60 ", "4044"));
    // At $4.36 and 4000 miles, a stored lowered MPG (M x 0.79 as a single) would show $463.59.
    w.calculate({{"txtGas_Cost", "4.36"}, {"txtAC_Mileage", "4000"}});
    EXPECT_EQ(w.state.label("lblYearly_Results").text, yearly_text("4000", "$463.60 ", "2080"));
}

TEST(AirConditioning, AFaultInTheYearlyFiguresLeavesBothLabels) {
    OpenedWindow w("D02_Air_Conditioning");
    w.calculate();
    const std::string per_1000 = w.state.label("lblResults").text;
    const std::string yearly = w.state.label("lblYearly_Results").text;
    // The figures per 1000 miles are fine; the yearly gallons overflow a single.
    w.type({{"txtCombined_MPG", "0.1"}, {"txtAC_Mileage", "3e38"}});
    EXPECT_FALSE(calc::run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.state.label("lblResults").text, per_1000);
    EXPECT_EQ(w.state.label("lblYearly_Results").text, yearly);
}

TEST(AirConditioning, EachBoxRefusesWithItsOwnMessage) {
    OpenedWindow w("D02_Air_Conditioning");
    EXPECT_EQ(w.refusal("txtCombined_MPG", "0"),
              "Data Error: Please enter a valid number for MPG, greater than 0.");
    EXPECT_EQ(w.refusal("txtGas_Cost", "$3"),
              "Data Error: Please enter a valid number for gas cost, greater than 0.");
    EXPECT_EQ(w.refusal("txtAC_Mileage", "-4000"),
              "Data Error: Please enter a valid number for your total yearly mileage with the A/C "
              "on, greater than 0.");
}
