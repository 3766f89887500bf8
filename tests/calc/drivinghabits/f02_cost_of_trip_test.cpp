// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivinghabits/opened_window.h"

using namespace milora;
using namespace milora::test;

namespace {

std::string paragraph(const char* miles, const char* gas, const char* mileage, const char* worth,
                      const char* time, const char* total) {
    return std::string("Driving ") + miles +
           " to your destination and back will effectively cost you " + gas +
           " in gas alone,  and at least " + mileage +
           " in total mileage costs (including gas, maintenance, depreciation, etc.). If you "
           "value your time at " +
           worth + " per hour, the time cost of this trip will be " + time +
           ". The total effective cost of this trip, including both driving costs and time "
           "costs, is " +
           total + ". Is this trip worth the cost?";
}

} // namespace

TEST(CostOfTrip, OpensWithTheCarDataTheTripAndTheIntro) {
    OpenedWindow w("F02_Cost_Of_Trip");
    EXPECT_EQ(w.state.box("txtGas_Cost"), "3");
    EXPECT_EQ(w.state.box("txtCombined_MPG"), "20");
    EXPECT_EQ(w.state.box("txtTime_Worth"), "10");
    EXPECT_EQ(w.state.box("txtMileage_Cost"), "0.445");
    EXPECT_EQ(w.state.box("txtTime_To_Drive_To_Destination"), "30");
    EXPECT_EQ(w.state.box("txtDistance_To_Destination"), "10");
    EXPECT_EQ(w.text("lblHeader_Sentence"),
              "Is this trip necessary? It might help in answering that question if you knew "
              "roughly what the true cost of making that trip was. Enter the appropriate numbers "
              "above, and press the 'Calculate' button on the left to see how much it actually "
              "costs you to make a trip, in terms of gas, maintenance, depreciation, and other "
              "costs.");
}

TEST(CostOfTrip, DefaultsGiveTheParagraph) {
    OpenedWindow w("F02_Cost_Of_Trip");
    w.calculate();
    EXPECT_EQ(w.text("lblHeader_Sentence"),
              "Driving 10 miles to your destination and back will effectively cost you $1.50 in "
              "gas alone,  and at least $4.45 in total mileage costs (including gas, "
              "maintenance, depreciation, etc.). If you value your time at $10.00 per hour, the "
              "time cost of this trip will be $5.00. The total effective cost of this trip, "
              "including both driving costs and time costs, is $9.45. Is this trip worth the "
              "cost?");
}

TEST(CostOfTrip, TimeWorthMayBeZeroButNoOtherBoxMay) {
    OpenedWindow w("F02_Cost_Of_Trip");
    w.calculate({{"txtTime_Worth", "0"}});
    EXPECT_EQ(w.text("lblHeader_Sentence"),
              paragraph("10 miles", "$1.50", "$4.45", "$0.00", "$0.00", "$4.45"));

    w.state.box("txtTime_Worth") = "-1";
    const auto refused = calc::validate_box(w.state, "txtTime_Worth");
    ASSERT_TRUE(refused);
    EXPECT_EQ(*refused, (Message{"Data Error",
                                 "Please enter a valid number for the worth of your time ($/hr), "
                                 "greater than zero.",
                                 Icon::Warning, Buttons::Ok}));

    const std::pair<const char*, const char*> others[] = {
        {"txtGas_Cost", "Please enter a valid cost of gas ($ per gallon), greater than zero."},
        {"txtCombined_MPG", "Please enter a valid combined city/highway MPG, greater than zero."},
        {"txtMileage_Cost", "Please enter a valid cost per mile ($/mile), greater than zero."},
        {"txtTime_To_Drive_To_Destination",
         "Please enter a valid time to drive to the Destination and back, greater than zero."},
        {"txtDistance_To_Destination",
         "Please enter a valid distance to travel to the Destination and back, greater than "
         "zero."},
    };
    for (const auto& [box, message] : others) {
        w.state.box(box) = "0";
        const auto m = calc::validate_box(w.state, box);
        ASSERT_TRUE(m) << box;
        EXPECT_EQ(*m, (Message{"Data Error", message, Icon::Warning, Buttons::Ok}));
    }
}

TEST(CostOfTrip, CostsAreStoredAsSinglesBeforeTheyAreShown) {
    OpenedWindow w("F02_Cost_Of_Trip");
    // 3 x 0.445 is 1.33499998 in double, 1.335 once stored: $1.34.
    w.calculate({{"txtDistance_To_Destination", "3"}});
    EXPECT_EQ(w.text("lblHeader_Sentence"),
              paragraph("3 miles", "$0.45", "$1.34", "$10.00", "$5.00", "$6.34"));
    // The distance shows whole: 2.5 miles as 3 miles.
    w.calculate({{"txtDistance_To_Destination", "2.5"}});
    EXPECT_EQ(w.text("lblHeader_Sentence"),
              paragraph("3 miles", "$0.38", "$1.11", "$10.00", "$5.00", "$6.11"));
    // Gas cost 27 x 3.03 / 18 stored is 4.545: $4.55.
    w.calculate(
        {{"txtDistance_To_Destination", "27"}, {"txtGas_Cost", "3.03"}, {"txtCombined_MPG", "18"}});
    EXPECT_EQ(w.text("lblHeader_Sentence"),
              paragraph("27 miles", "$4.55", "$12.02", "$10.00", "$5.00", "$17.02"));
    // The total is the stored sum of the two stored costs.
    w.calculate({{"txtDistance_To_Destination", "31"},
                 {"txtGas_Cost", "3"},
                 {"txtCombined_MPG", "20"},
                 {"txtMileage_Cost", "0.515"},
                 {"txtTime_To_Drive_To_Destination", "69"},
                 {"txtTime_Worth", "24"}});
    EXPECT_EQ(w.text("lblHeader_Sentence"),
              paragraph("31 miles", "$4.65", "$15.97", "$24.00", "$27.60", "$43.57"));
}
