// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/opened_calculator.h"

using namespace milora;
using milora::test::OpenedWindow;

namespace {

std::string headlight_text(const char* minutes, const char* cost, const char* co2) {
    return std::string("If you can safely reduce your average daily headlight use by ") + minutes +
           " minutes a day, you will save " + cost + " a year on gas, and produce " + co2 +
           " fewer pounds of carbon dioxide every year.";
}

} // namespace

TEST(Headlights, OpensWithTheIntroBoldAtTenPoints) {
    OpenedWindow w("D05_Headlights");
    EXPECT_EQ(w.state.box("txtHeadlight_Reduction"), "30");
    EXPECT_EQ(w.state.box("txtGas_Cost"), "3");
    const calc::LabelState& result = w.state.label("lblResults");
    EXPECT_EQ(result.text,
              "Headlight use should always be dictated by safety issues, not fuel economy. But if "
              "you safely reduce your headlight usage, you can save a bit on gas. Enter the cost "
              "of gas, and the average number of minutes per day you can safely reduce your "
              "headlight use. Click on Calculate, and find out how much money you can save on gas "
              "every year, and how much less carbon dioxide you will produce every year.");
    EXPECT_TRUE(result.bold);
    EXPECT_EQ(result.points, 10);
}

TEST(Headlights, ThirtyMinutesAtThreeDollarsBoldAtTwelvePoints) {
    OpenedWindow w("D05_Headlights");
    EXPECT_EQ(w.calculate(), headlight_text("30", "$5.48", "36"));
    EXPECT_TRUE(w.state.label("lblResults").bold);
    EXPECT_EQ(w.state.label("lblResults").points, 12);
    // A second calculation keeps the size; a new opening starts again at 10.
    EXPECT_EQ(w.calculate({{"txtHeadlight_Reduction", "7.5"}}), headlight_text("8", "$1.37", "9"));
    EXPECT_EQ(w.state.label("lblResults").points, 12);
    EXPECT_EQ(OpenedWindow("D05_Headlights").state.label("lblResults").points, 10);
}

TEST(Headlights, TheCostIsShownAsTheStoredSingle) {
    OpenedWindow w("D05_Headlights");
    // 66 minutes at $1: 4.0149999 gallons and dollars, 4.015000 at a single's 7 digits ($4.02);
    // the same product kept in double would show $4.01.
    EXPECT_EQ(w.calculate({{"txtGas_Cost", "1"}, {"txtHeadlight_Reduction", "66"}}),
              headlight_text("66", "$4.02", "79"));
}

TEST(Headlights, AnOverflowKeepsTheIntroAndItsSize) {
    OpenedWindow w("D05_Headlights");
    const std::string intro = w.state.label("lblResults").text;
    w.type({{"txtHeadlight_Reduction", "3e38"}, {"txtGas_Cost", "100"}});
    EXPECT_FALSE(calc::run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.state.label("lblResults").text, intro);
    EXPECT_EQ(w.state.label("lblResults").points, 10);
}

TEST(Headlights, EachBoxRefusesWithItsOwnMessage) {
    OpenedWindow w("D05_Headlights");
    EXPECT_EQ(w.refusal("txtGas_Cost", "abc"),
              "Data Error: Please enter a valid number for gas cost, greater than 0.");
    EXPECT_EQ(w.refusal("txtHeadlight_Reduction", ""),
              "Data Error: Please enter a valid number for the reduction in headlight use in "
              "minutes, greater than 0.");
}
