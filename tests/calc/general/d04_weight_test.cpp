// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/opened_calculator.h"

using namespace milora;
using milora::test::OpenedWindow;

namespace {

std::string weight_text(const char* pounds, const char* low, const char* high, const char* co2,
                        const char* co2_high) {
    return std::string("If you could permanently remove ") + pounds +
           " pounds of weight from your car, you could roughly save between " + low + " and " +
           high +
           "on gas every year, and reduce the yearly amount of carbon dioxide you produce by "
           "between " +
           co2 + " and " + co2_high + ".";
}

const char* const kLimitRefusal =
    "Data Error: Please enter a valid number for the weight reduction in pounds, less than "
    "10000. The estimate has no meaning for 10000 pounds or more.";

} // namespace

TEST(Weight, OpensWithTheCarDataTwoHundredPoundsAndTheIntro) {
    OpenedWindow w("D04_Weight");
    EXPECT_EQ(w.state.box("txtCombined_MPG"), "20");
    EXPECT_EQ(w.state.box("txtGas_Cost"), "3");
    EXPECT_EQ(w.state.box("txtWeight"), "200");
    EXPECT_EQ(w.state.box("txtYearly_Mileage"), "12000");
    EXPECT_EQ(w.state.label("lblResults").text,
              "The less weight your car carries, the less fuel it needs to burn per mile. Enter "
              "your car's combined city/highway mileage, the cost of gas, the number of miles you "
              "travel each year, and the total amount of weight (cargo and passengers) you can "
              "remove from your car most of the time. Click on the Calculate button to find out "
              "how much money you might save on extra gas (and how much less carbon dioxide "
              "you'll produce) every year by lightening your load this way.");
}

TEST(Weight, TwoHundredPoundsAtTwentyMpg) {
    OpenedWindow w("D04_Weight");
    EXPECT_EQ(w.calculate(), weight_text("200", "$36.73 ", "$73.47 ", "240 pounds", "479 pounds"));
}

TEST(Weight, EachStepKeepsItsOwnPrecision) {
    OpenedWindow w("D04_Weight");
    // Lowered MPG 9.9 in double; held as a single it would give $48.49.
    EXPECT_EQ(w.calculate({{"txtCombined_MPG", "10"}, {"txtGas_Cost", "2"}, {"txtWeight", "100"}}),
              weight_text("100", "$24.24 ", "$48.48 ", "237 pounds", "474 pounds"));
    // The first quotient in double; as a single it would give $107.75.
    EXPECT_EQ(w.calculate({{"txtGas_Cost", "2.2"}, {"txtWeight", "200"}}),
              weight_text("200", "$53.88 ", "$107.76 ", "479 pounds", "958 pounds"));
    // The second quotient as a single; in double it would give $112.46.
    EXPECT_EQ(w.calculate({{"txtCombined_MPG", "11"},
                           {"txtGas_Cost", "2"},
                           {"txtWeight", "300"},
                           {"txtYearly_Mileage", "10000"}}),
              weight_text("300", "$56.23 ", "$112.47 ", "550 pounds", "1100 pounds"));
    // The low saving stored as a single (122.165); kept in double it would show $122.16.
    EXPECT_EQ(w.calculate({{"txtCombined_MPG", "10"}, {"txtGas_Cost", "3.95"}}),
              weight_text("300", "$122.17 ", "$244.33 ", "605 pounds", "1210 pounds"));
}

TEST(Weight, TenThousandPoundsOrMoreIsRefused) {
    OpenedWindow w("D04_Weight");
    // 9999.9999 reads as the single 10000, where the lowered MPG is zero.
    for (const char* text : {"10000", "10,000", "1e4", "9999.9999", "250000", "1e39"}) {
        EXPECT_EQ(w.refusal("txtWeight", text), kLimitRefusal) << text;
    }
    EXPECT_EQ(w.refusal("txtWeight", "0"),
              "Data Error: Please enter a valid number for the weight reduction in pounds, "
              "greater than 0.");
    w.type({{"txtWeight", "9999.5"}}); // accepted
}

TEST(Weight, ATextPastTheLimitIsNotComputedWith) {
    OpenedWindow w("D04_Weight");
    const std::string intro = w.state.label("lblResults").text;
    w.state.box("txtWeight") = "12000";
    EXPECT_TRUE(calc::run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.state.label("lblResults").text, intro);
    ASSERT_EQ(w.state.dialogue.kept().size(), 1U);
    EXPECT_EQ(w.state.dialogue.kept()[0].title + ": " + w.state.dialogue.kept()[0].text,
              kLimitRefusal);
}

TEST(Weight, EachBoxRefusesWithItsOwnMessage) {
    OpenedWindow w("D04_Weight");
    EXPECT_EQ(w.refusal("txtCombined_MPG", "x"),
              "Data Error: Please enter a valid number for MPG, greater than 0.");
    EXPECT_EQ(w.refusal("txtGas_Cost", "0"),
              "Data Error: Please enter a valid number for gas cost, greater than 0.");
    EXPECT_EQ(w.refusal("txtYearly_Mileage", "0"),
              "Data Error: Please enter a valid number for the total number of miles you travel in "
              "a year, greater than 0.");
}
