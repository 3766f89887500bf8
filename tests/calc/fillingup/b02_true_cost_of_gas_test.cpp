// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/registry.h"
#include "support/opened_calculator.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;

namespace {

const char* const kGasOnly =
    "Taking into account only the extra gas you burn driving to the station, you will ";
const char* const kPerMile = "Taking into account the cost of driving per mile, you will ";
const char* const kPerMileAndTime =
    "Taking into account the cost of driving per mile and the value of your time, you will ";
const std::string kBreakEven =
    "break even on the cost of gas; you will neither save nor lose money.";

struct Opened : test::OpenedWindow {
    Opened() : OpenedWindow("B02_True_Cost_of_Gas") {}

    // MPG, cheap and expensive price, distance, minutes, gallons, time worth, cost per mile.
    void enter(const char* g, const char* pc, const char* pe, const char* d, const char* tm,
               const char* n, const char* w, const char* cm) {
        state.box("txtGas_Mileage") = g;
        state.box("txtGas_Cost_Cheap") = pc;
        state.box("txtGas_Cost_Expensive") = pe;
        state.box("txtDistance_To_Station") = d;
        state.box("txtTime_To_Drive_To_Station") = tm;
        state.box("txtNumber_Gallons_Purchased") = n;
        state.box("txtTime_Worth") = w;
        state.box("txtCost_Per_Mile") = cm;
    }
    const std::string& text(const char* label) const { return state.label(label).text; }
};

} // namespace

TEST(TrueCostOfGas, LoadsTheCarDataAndTheConstants) {
    CarData car;
    car.Global_Combined_MPG = 22.5F;
    car.Global_Time_Cost = 12.0F;
    car.Global_Mileage_Cost = 0.52F;
    const test::OpenedWindow opened("B02_True_Cost_of_Gas", car);
    const FormState& s = opened.state;
    EXPECT_EQ(s.box("txtGas_Mileage"), "22.5");
    EXPECT_EQ(s.box("txtGas_Cost_Cheap"), "2.79");
    EXPECT_EQ(s.box("txtGas_Cost_Expensive"), "2.89");
    EXPECT_EQ(s.box("txtDistance_To_Station"), "10");
    EXPECT_EQ(s.box("txtTime_To_Drive_To_Station"), "30");
    EXPECT_EQ(s.box("txtNumber_Gallons_Purchased"), "10");
    EXPECT_EQ(s.box("txtTime_Worth"), "12");
    EXPECT_EQ(s.box("txtCost_Per_Mile"), "0.52");
    EXPECT_EQ(s.label("lblInitial_Caption").text,
              "Newspapers and TV stations are always publicizing the names and addresses of gas "
              "stations with the \"cheapest\" posted price for gas. But after you drive there and "
              "back, is it really cheaper than buying it at a closer gas station with a slightly "
              "higher posted price? Enter the data above, click on Calculate, and find out how "
              "much that \"cheap\" gas may really be costing you.");
    for (const char* l :
         {"lblHeader_Sentence", "lblSentence_GasCostsOnly", "lblSentence_TotalCosts",
          "lblSentence_TotalCostsAndTime", "lblTank_Lower"}) {
        EXPECT_EQ(s.label(l).text, "") << l;
    }
}

TEST(TrueCostOfGas, OnlyTheTimeWorthAcceptsZero) {
    Opened w;
    for (const auto& box : w.state.description().boxes) {
        w.state.box(box.name) = "0";
        const auto refused = validate_box(w.state, box.name);
        if (box.name == "txtTime_Worth") {
            EXPECT_FALSE(refused);
            continue;
        }
        ASSERT_TRUE(refused) << box.name;
        EXPECT_EQ(refused->title, "Data Error");
    }
    w.state.box("txtTime_Worth") = "-1";
    EXPECT_EQ(validate_box(w.state, "txtTime_Worth")->text,
              "Please enter a valid number for the worth of your time ($/hr), greater than zero.");
}

TEST(TrueCostOfGas, SavingBreakEvenAndLossSentences) {
    Opened w;
    w.enter("20", "2", "2.5", "10", "30", "10", "10", "0.5");
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_FALSE(w.state.label("lblInitial_Caption").visible);
    EXPECT_EQ(w.text("lblHeader_Sentence"),
              "If you drive 10 miles across town to buy \"cheap\" gas:");
    EXPECT_EQ(w.text("lblSentence_GasCostsOnly"),
              std::string(kGasOnly) +
                  "save $0.40 per gallon of gas (not the $0.50 per gallon you thought you were "
                  "saving). Driving 10 miles to the station with \"cheap\" gas and back will save "
                  "you a total of $4.00. ");
    EXPECT_EQ(w.text("lblSentence_TotalCosts"), kPerMile + kBreakEven);
    EXPECT_EQ(w.text("lblSentence_TotalCostsAndTime"),
              std::string(kPerMileAndTime) +
                  "spend $0.50  more per gallon of gas (not the $0.50 per gallon you thought you "
                  "were saving). Driving 10 miles to the station with \"cheap\" gas  and back will "
                  "actually cost you $5.00 more than filling up at the \"expensive\" station.");
    EXPECT_EQ(w.text("lblTank_Lower"), "... and, even if you fill up, when you get back home, "
                                       "your gas tank will be .25 gallons below full.");

    // Twenty gallons: the per-mile sentence saves, and its total has no period.
    w.state.box("txtNumber_Gallons_Purchased") = "20";
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.text("lblSentence_GasCostsOnly"),
              std::string(kGasOnly) +
                  "save $0.45 per gallon of gas (not the $0.50 per gallon you thought you were "
                  "saving). Driving 10 miles to the station with \"cheap\" gas and back will save "
                  "you a total of $9.00. ");
    EXPECT_EQ(w.text("lblSentence_TotalCosts"),
              std::string(kPerMile) +
                  "save $0.25 per gallon of gas (not the $0.50 per gallon you thought you were "
                  "saving). Driving 10 miles to the station with \"cheap\" gas and back will save "
                  "you a total of $5.00 ");
    EXPECT_EQ(w.text("lblSentence_TotalCostsAndTime"), kPerMileAndTime + kBreakEven);

    // Forty gallons: the time sentence saves too, its total with a period.
    w.state.box("txtNumber_Gallons_Purchased") = "40";
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.text("lblSentence_TotalCostsAndTime"),
              std::string(kPerMileAndTime) +
                  "save $0.25 per gallon of gas (not the $0.50 per gallon you thought you were "
                  "saving). Driving 10 miles to the station with \"cheap\" gas and back will save "
                  "you a total of $10.00. ");

    // Two gallons: the trip's gas eats the posted saving exactly.
    w.state.box("txtNumber_Gallons_Purchased") = "2";
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.text("lblSentence_GasCostsOnly"), kGasOnly + kBreakEven);
    EXPECT_EQ(w.text("lblSentence_TotalCosts"),
              std::string(kPerMile) +
                  "spend $2.00  more per gallon of gas (not the $0.50 per gallon you thought you "
                  "were saving). Driving 10 miles to the station with \"cheap\" gas  and back will "
                  "actually cost you $4.00 more than filling up at the \"expensive\" station.");
}

TEST(TrueCostOfGas, CheapAboveExpensiveOnlyShowsTheMessage) {
    Opened w;
    w.state.box("txtGas_Cost_Cheap") = "2.9";
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    ASSERT_EQ(w.state.dialogue.kept().size(), 1U);
    EXPECT_EQ(w.state.dialogue.kept()[0],
              (Message{"Milora",
                       "The \"cheap\" gas has to cost less than the \"expensive\" gas! Please "
                       "check your numbers.",
                       Icon::None, Buttons::Ok}));
    EXPECT_TRUE(w.state.label("lblInitial_Caption").visible);
    EXPECT_EQ(w.text("lblHeader_Sentence"), "");

    // After a result, the message leaves that result as it was.
    (void)w.state.dialogue.take_kept();
    w.state.box("txtGas_Cost_Cheap") = "2.79";
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    const std::string before = w.text("lblSentence_TotalCostsAndTime");
    w.state.box("txtGas_Cost_Cheap") = "3.5";
    w.state.box("txtDistance_To_Station") = "40";
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.state.dialogue.kept().size(), 1U);
    EXPECT_EQ(w.text("lblSentence_TotalCostsAndTime"), before);
    EXPECT_EQ(w.text("lblHeader_Sentence"),
              "If you drive 10 miles across town to buy \"cheap\" gas:");
}

TEST(TrueCostOfGas, EqualPricesGoOnAndZeroTimeWorthEqualsThePerMileCost) {
    Opened w;
    w.enter("20", "2.5", "2.5", "10", "30", "10", "0", "0.5");
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_TRUE(w.state.dialogue.kept().empty());
    const std::string loss =
        "spend $0.50  more per gallon of gas (not the $0.00 per gallon you thought you were "
        "saving). Driving 10 miles to the station with \"cheap\" gas  and back will actually cost "
        "you $5.00 more than filling up at the \"expensive\" station.";
    EXPECT_EQ(w.text("lblSentence_TotalCosts"), kPerMile + loss);
    EXPECT_EQ(w.text("lblSentence_TotalCostsAndTime"), kPerMileAndTime + loss);
    EXPECT_EQ(w.text("lblSentence_GasCostsOnly").substr(std::string(kGasOnly).size(), 12),
              "spend $0.13 ");
}

TEST(TrueCostOfGas, TheGallonsBoxIsUsedAsItsTextInDouble) {
    Opened w;
    // 4.1 held as a single would make this total $5.69.
    w.enter("28", "3.05", "3.20", "18", "55", "4.1", "16", "0.35");
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.text("lblSentence_TotalCosts"),
              std::string(kPerMile) +
                  "spend $1.39  more per gallon of gas (not the $0.15 per gallon you thought you "
                  "were saving). Driving 18 miles to the station with \"cheap\" gas  and back will "
                  "actually cost you $5.68 more than filling up at the \"expensive\" station.");
    EXPECT_EQ(w.text("lblTank_Lower"), "... and, even if you fill up, when you get back home, "
                                       "your gas tank will be .32 gallons below full.");

    // The effective price is stored as a single before it is taken from the expensive price;
    // without that the total would be $2.06.
    w.enter("15", "2.52", "2.87", "30", "46", "20.3", "1", "0.80");
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.text("lblSentence_GasCostsOnly"),
              std::string(kGasOnly) +
                  "save $0.10 per gallon of gas (not the $0.35 per gallon you thought you were "
                  "saving). Driving 30 miles to the station with \"cheap\" gas and back will save "
                  "you a total of $2.07. ");
    EXPECT_EQ(w.text("lblTank_Lower"), "... and, even if you fill up, when you get back home, "
                                       "your gas tank will be 1.00 gallons below full.");

    // A thousands separator in the gallons box.
    w.enter("20", "2", "2.5", "10", "30", "1,000", "10", "0.5");
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_NE(w.text("lblSentence_GasCostsOnly").find("a total of $499.00. "), std::string::npos)
        << w.text("lblSentence_GasCostsOnly");
}
