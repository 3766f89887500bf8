// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/opened_calculator.h"

using namespace milora;
using milora::test::OpenedWindow;

namespace {

const char* const kMiddle = " on gas for every 1000 miles you drive on the highway, and put ";
const char* const kEnd = "but less per mile than what you save at highway speeds.";

std::string yearly_text(const char* opening, const char* dollars, const char* co2,
                        const char* dollars_year, const char* co2_year) {
    return std::string(opening) + dollars + kMiddle + co2 +
           " fewer pounds of carbon dioxide directly into the atmosphere. Over the course of a "
           "year,  that could save you " +
           dollars_year + ", and put " + co2_year +
           " fewer pounds of carbon dioxide into the atmosphere. You will also save in city "
           "driving as well, " +
           kEnd;
}

std::string per_1000_text(const char* opening, const char* dollars, const char* co2,
                          const char* city) {
    return std::string(opening) + dollars + kMiddle + co2 +
           " fewer pounds of carbon dioxide directly into the atmosphere. You will also save in " +
           city + " as well, " + kEnd;
}

const char* const kRack = "If you take off your car's luggage rack, you might save ";
const char* const kBedCover = "If you install a bed cover on your truck (also known as a tonneau "
                              "cover), you might save ";

CarData highway_share(TaggedPercent percent, float miles) {
    CarData car;
    car.Global_Highway_Percent = percent;
    car.Global_Yearly_Miles_Traveled = miles;
    return car;
}

} // namespace

TEST(Aerodynamics, OpensWithTheHighwayShareOptionZeroAndTheIntro) {
    OpenedWindow w("D03_Aerodynamics");
    EXPECT_EQ(w.state.box("txtEPA_Highway_MPG"), "24");
    EXPECT_EQ(w.state.box("txtGas_Cost"), "3");
    EXPECT_EQ(w.state.box("txtHighway_Mileage"), "5400");
    EXPECT_EQ(w.state.options("optAero").selected, 0);
    EXPECT_EQ(w.state.label("lblResults").text,
              "The easier your car cuts through the air at highway speeds, the better your fuel "
              "economy. Enter your car's highway MPG, the cost of gas, and the number of highway "
              "miles you travel in a year. Then either click on the Calculate button or choose an "
              "option to find out how much money you can save by improving your car's "
              "aerodynamics.");
}

TEST(Aerodynamics, HighwayMilesFollowThePrecisionOfThePercentage) {
    // 64.2 percent of 10400 miles: in double exactly 6676.8; a percentage read from a file is a
    // single (64.19999695), whose product is stored as a single before the division.
    EXPECT_EQ(
        OpenedWindow("D03_Aerodynamics", highway_share(TaggedPercent::from_double(64.2), 10400))
            .state.box("txtHighway_Mileage"),
        "6676.8");
    EXPECT_EQ(
        OpenedWindow("D03_Aerodynamics", highway_share(TaggedPercent::from_single(64.2F), 10400))
            .state.box("txtHighway_Mileage"),
        "6676.799");
    EXPECT_EQ(
        OpenedWindow("D03_Aerodynamics", highway_share(TaggedPercent::from_single(55.1F), 14900))
            .state.box("txtHighway_Mileage"),
        "8209.9");
}

TEST(Aerodynamics, CarDataTooLargeForAFigureLeavesTheBoxEmpty) {
    // 45 x 1e38 overflows a single before the division could bring it back.
    OpenedWindow w("D03_Aerodynamics", highway_share(TaggedPercent::from_single(45), 1e38F));
    EXPECT_EQ(w.state.box("txtHighway_Mileage"), "");
    EXPECT_EQ(w.state.box("txtEPA_Highway_MPG"), "24");
}

TEST(Aerodynamics, CalculateWithoutAClickComputesOptionZero) {
    OpenedWindow w("D03_Aerodynamics");
    EXPECT_EQ(w.calculate(), yearly_text(kRack, "$2.55", "17", "$13.78", "90"));
}

TEST(Aerodynamics, EachOptionClickSelectsAndCalculates) {
    const std::string texts[] = {
        yearly_text(kRack, "$2.55", "17", "$13.78", "90"),
        per_1000_text("If you put your luggage inside of your car instead of on top of the luggage "
                      "rack while driving on the highway, you might save ",
                      "$10.87", "71", "city driving"),
        per_1000_text("If you put your bicycle inside of your car instead of on top while driving "
                      "on the highway, you might save ",
                      "$15.45", "101", "city driving conditions"),
        per_1000_text(
            "If you keep your convertible top up while driving on the highway, you might save ",
            "$7.98", "52", "city driving conditions"),
        yearly_text("If you keep your truck's tailgate up, you might save ", "$2.55", "17",
                    "$13.78", "90"),
        yearly_text(kBedCover, "$10.87", "71", "$58.70", "383"),
    };
    OpenedWindow w("D03_Aerodynamics");
    // Backwards, so that every click changes the selection.
    for (int i = 5; i >= 0; --i) {
        ASSERT_TRUE(calc::run_click_option(*w.calc, w.state, "optAero", i));
        EXPECT_EQ(w.state.options("optAero").selected, i);
        EXPECT_EQ(w.state.label("lblResults").text, texts[i]) << "option " << i;
    }
    // Calculate keeps to the option last clicked.
    ASSERT_TRUE(calc::run_click_option(*w.calc, w.state, "optAero", 2));
    EXPECT_EQ(w.calculate({{"txtGas_Cost", "3"}}), texts[2]);
}

TEST(Aerodynamics, OnlyTheYearlyOptionsUseTheHighwayMiles) {
    OpenedWindow w("D03_Aerodynamics");
    for (int i : {1, 2, 3}) {
        ASSERT_TRUE(calc::run_click_option(*w.calc, w.state, "optAero", i));
        const std::string before = w.state.label("lblResults").text;
        EXPECT_EQ(w.calculate({{"txtHighway_Mileage", "99999"}}), before) << i;
        w.type({{"txtHighway_Mileage", "5400"}});
    }
    // One highway mile a year: the yearly figures show as $0.00 and a bare 0.
    ASSERT_TRUE(calc::run_click_option(*w.calc, w.state, "optAero", 0));
    EXPECT_EQ(w.calculate({{"txtHighway_Mileage", "1"}}),
              yearly_text(kRack, "$2.55", "17", "$0.00", "0"));
}

TEST(Aerodynamics, TheYearlyDollarsComeFromTheStoredFiguresInDouble) {
    OpenedWindow w("D03_Aerodynamics");
    // 11 MPG, $2.45, 5400 miles, bed cover: 19.36759 dollars per 1000 miles as stored, and 5.4
    // times that in double is 104.584986. Held as a single it would show as 104.5850 ($104.59),
    // and so would the figures of each quotient stored apart.
    w.type({{"txtEPA_Highway_MPG", "11"}, {"txtGas_Cost", "2.45"}});
    ASSERT_TRUE(calc::run_click_option(*w.calc, w.state, "optAero", 5));
    EXPECT_EQ(w.state.label("lblResults").text,
              yearly_text(kBedCover, "$19.37", "155", "$104.58", "835"));
}

TEST(Aerodynamics, AFaultKeepsTheTextButTheClickedOption) {
    OpenedWindow w("D03_Aerodynamics");
    const std::string intro = w.state.label("lblResults").text;
    w.type({{"txtEPA_Highway_MPG", "1e-38"}});
    EXPECT_FALSE(calc::run_click_option(*w.calc, w.state, "optAero", 3));
    EXPECT_EQ(w.state.label("lblResults").text, intro);
    EXPECT_EQ(w.state.options("optAero").selected, 3);
}

TEST(Aerodynamics, EachBoxRefusesWithItsOwnMessage) {
    OpenedWindow w("D03_Aerodynamics");
    EXPECT_EQ(w.refusal("txtEPA_Highway_MPG", "0"),
              "Data Error: Please enter a valid number for your EPA highway MPG (miles per "
              "gallon), greater than 0.");
    EXPECT_EQ(w.refusal("txtGas_Cost", ""),
              "Data Error: Please enter a valid number for gas cost, greater than 0.");
    EXPECT_EQ(w.refusal("txtHighway_Mileage", "-1"),
              "Data Error: Please enter a valid number for your total yearly highway mileage, "
              "greater than 0.");
}
