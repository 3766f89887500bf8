// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivinghabits/opened_window.h"

using namespace milora;
using namespace milora::test;

namespace {

const char* const kResults[] = {"lblResults_Top", "lblResults_Gas_Only",
                                "lblResults_Total_Cost_Only", "lblResults_With_Time"};

} // namespace

TEST(WillYouSave, OpensWithTheCarDataTheTripAndTheIntro) {
    OpenedWindow w("F03_Will_You_Save");
    EXPECT_EQ(w.state.box("txtDistance_To_Destination"), "10");
    EXPECT_EQ(w.state.box("txtTime_To_Drive_To_Destination"), "30");
    EXPECT_EQ(w.state.box("txtMileage_Cost"), "0.445");
    EXPECT_EQ(w.state.box("txtTime_Worth"), "10");
    EXPECT_EQ(w.state.box("txtCombined_MPG"), "20");
    EXPECT_EQ(w.state.box("txtGas_Cost"), "3");
    EXPECT_EQ(w.state.box("txtHow_Much"), "10");
    EXPECT_EQ(w.text("lblInitial_Caption"),
              "Ever drive to save money on a sale, or to cash in a money-saving coupon? Ever ask "
              "yourself if the cost of making that trip cancelled out most or all of those "
              "\"savings\"? Enter the appropriate numbers above, and press the 'Calculate' button "
              "on the left to see if driving to save money, or get a better price, doesn't save "
              "you as much as you thought, or even winds up costing you more than you \"save\".");
    for (const char* name : kResults) {
        EXPECT_EQ(w.text(name), "") << name;
    }
}

TEST(WillYouSave, DefaultsGiveTheFourLines) {
    OpenedWindow w("F03_Will_You_Save");
    w.calculate();
    EXPECT_FALSE(w.visible("lblInitial_Caption"));
    for (const char* name : kResults) {
        EXPECT_TRUE(w.visible(name)) << name;
    }
    EXPECT_EQ(w.text("lblResults_Top"), "While you might think that you're saving $10.00 by "
                                        "driving 10 miles making this trip, in reality:");
    EXPECT_EQ(w.text("lblResults_Gas_Only"), "- taking only the gas costs of $1.50 into account, "
                                             "you're only saving $8.50 in making this trip;");
    EXPECT_EQ(w.text("lblResults_Total_Cost_Only"),
              "- taking just the standard mileage costs of $4.45 into account, you're only "
              "saving just $5.55 in making this trip;");
    EXPECT_EQ(w.text("lblResults_With_Time"),
              "- including the time cost of $5.00 with the mileage costs, you're only saving "
              "just $0.55 in making this trip. Is this trip really necessary?");
}

TEST(WillYouSave, VerdictsTurnWithTheExpectedSaving) {
    OpenedWindow w("F03_Will_You_Save");
    w.calculate({{"txtHow_Much", "5"}});
    EXPECT_EQ(w.text("lblResults_With_Time"),
              "- including the time cost of $5.00 with the mileage costs, you're actually losing "
              "$4.45 in making this trip. Is this trip really necessary?");
    EXPECT_EQ(w.text("lblResults_Total_Cost_Only"),
              "- taking just the standard mileage costs of $4.45 into account, you're only "
              "saving just $0.55 in making this trip;");

    w.calculate({{"txtHow_Much", "1.5"}});
    EXPECT_EQ(w.text("lblResults_Top"), "While you might think that you're saving $1.50 by "
                                        "driving 10 miles making this trip, in reality:");
    EXPECT_EQ(w.text("lblResults_Gas_Only"), "- taking only the gas costs of $1.50 into account, "
                                             "you're only breaking even in making this trip;");
    EXPECT_EQ(w.text("lblResults_Total_Cost_Only"),
              "- taking just the standard mileage costs of $4.45 into account, you're actually "
              "losing $2.95 in making this trip;");
    EXPECT_EQ(w.text("lblResults_With_Time"),
              "- including the time cost of $5.00 with the mileage costs, you're actually losing "
              "$7.95 in making this trip. Is this trip really necessary?");
}

TEST(WillYouSave, AZeroTimeWorthIsAcceptedAndLeavesTheMileageVerdict) {
    OpenedWindow w("F03_Will_You_Save");
    w.calculate({{"txtTime_Worth", "0"}});
    EXPECT_EQ(w.text("lblResults_With_Time"),
              "- including the time cost of $0.00 with the mileage costs, you're only saving "
              "just $5.55 in making this trip. Is this trip really necessary?");
    EXPECT_EQ(w.text("lblResults_Total_Cost_Only"),
              "- taking just the standard mileage costs of $4.45 into account, you're only "
              "saving just $5.55 in making this trip;");
}

TEST(WillYouSave, TheSignIsThatOfTheStoredSingle) {
    OpenedWindow w("F03_Will_You_Save");
    // 60 x 3.4 / 17 is 12 once stored, though not in exact arithmetic: even.
    w.calculate({{"txtHow_Much", "12"},
                 {"txtDistance_To_Destination", "60"},
                 {"txtGas_Cost", "3.4"},
                 {"txtCombined_MPG", "17"}});
    EXPECT_EQ(w.text("lblResults_Gas_Only"), "- taking only the gas costs of $12.00 into account, "
                                             "you're only breaking even in making this trip;");
    EXPECT_EQ(w.text("lblResults_Top"), "While you might think that you're saving $12.00 by "
                                        "driving 60 miles making this trip, in reality:");

    // A net a hair above or below zero saves or loses $0.00, without a minus sign.
    OpenedWindow above("F03_Will_You_Save");
    above.calculate({{"txtHow_Much", "1.5000001"}});
    EXPECT_EQ(above.text("lblResults_Gas_Only"),
              "- taking only the gas costs of $1.50 into account, you're only saving $0.00 in "
              "making this trip;");
    OpenedWindow below("F03_Will_You_Save");
    below.calculate({{"txtHow_Much", "1.4999999"}});
    EXPECT_EQ(below.text("lblResults_Gas_Only"),
              "- taking only the gas costs of $1.50 into account, you're actually losing $0.00 "
              "in making this trip;");

    // The time line nets the stored mileage net against the time cost: 9 - 9 is even.
    OpenedWindow time("F03_Will_You_Save");
    time.calculate({{"txtHow_Much", "13.5"},
                    {"txtMileage_Cost", "0.3"},
                    {"txtDistance_To_Destination", "15"},
                    {"txtTime_To_Drive_To_Destination", "18"},
                    {"txtTime_Worth", "30"}});
    EXPECT_EQ(time.text("lblResults_With_Time"),
              "- including the time cost of $9.00 with the mileage costs, you're only breaking "
              "even in making this trip. Is this trip really necessary?");
}

TEST(WillYouSave, TheTimeNetComesFromTheStoredMileageNet) {
    OpenedWindow w("F03_Will_You_Save");
    // 35 - 15.965 stored, less 27.6, is -8.565 once stored: $8.57 (not $8.56).
    w.calculate({{"txtHow_Much", "35"},
                 {"txtMileage_Cost", "0.515"},
                 {"txtDistance_To_Destination", "31"},
                 {"txtTime_To_Drive_To_Destination", "69"},
                 {"txtTime_Worth", "24"}});
    EXPECT_EQ(w.text("lblResults_Total_Cost_Only"),
              "- taking just the standard mileage costs of $15.97 into account, you're only "
              "saving just $19.04 in making this trip;");
    EXPECT_EQ(w.text("lblResults_With_Time"),
              "- including the time cost of $27.60 with the mileage costs, you're actually "
              "losing $8.57 in making this trip. Is this trip really necessary?");
    // The distance shows whole in the first line.
    w.calculate({{"txtDistance_To_Destination", "2.5"}});
    EXPECT_EQ(w.text("lblResults_Top"), "While you might think that you're saving $35.00 by "
                                        "driving 3 miles making this trip, in reality:");
}

TEST(WillYouSave, TheMpgBoxComplainsInAPlainMessageBox) {
    OpenedWindow w("F03_Will_You_Save");
    w.state.box("txtCombined_MPG") = "0";
    EXPECT_EQ(
        calc::validate_box(w.state, "txtCombined_MPG"),
        (Message{"Milora", "Please enter a valid combined city/highway MPG, greater than zero.",
                 Icon::None, Buttons::Ok}));
    const std::pair<const char*, const char*> others[] = {
        {"txtMileage_Cost", "Please enter a valid cost per mile, greater than zero."},
        {"txtHow_Much",
         "Please enter a valid amount of money you think you're saving, greater than zero."},
        {"txtGas_Cost", "Please enter a valid cost of gas ($ per gallon), greater than zero."},
        {"txtTime_Worth",
         "Please enter a valid number for the worth of your time ($/hr), greater than zero."},
    };
    for (const auto& [box, message] : others) {
        w.state.box(box) = "abc";
        EXPECT_EQ(calc::validate_box(w.state, box),
                  (Message{"Data Error", message, Icon::Warning, Buttons::Ok}))
            << box;
    }
}
