// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "shell/help_topics.h"
#include "shell/main_tables.h"

#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <string>

using namespace milora::shell;

namespace {

const MainRow* find_row(const std::string& button) {
    for (const MainTab& tab : main_tabs()) {
        for (const MainRow& row : tab.rows) {
            if (button == row.button) {
                return &row;
            }
        }
    }
    return nullptr;
}

std::string description(const std::string& button) {
    const MainRow* row = find_row(button);
    EXPECT_NE(row, nullptr) << button;
    return row == nullptr ? std::string() : join_pieces(row->description);
}

} // namespace

TEST(MainTables, DescriptionsJoinTheirPiecesAsTheyStand) {
    // Blanks at the joins are the pieces' own: a leading one, one only in the second piece, a
    // trailing one.
    EXPECT_EQ(description("cmdIntroduction_Help"),
              " Start here - click on this button for a brief introduction to the concepts of "
              "fuel-efficient driving, why it matters, and how it can save you money.");
    EXPECT_EQ(description("cmdIdling"),
              "Not only does your car get its worst mileage when you're idling (O MPG), wasting "
              "gas and money, it's bad for your car (and the environment) as well.");
    EXPECT_EQ(description("cmdSettings"),
              "Then, click on the button on the far left to open the Data Settings data form. "
              "This form allows you to enter and save numbers that get used on a regular basis "
              "throughout the program (like the cost of gas, your car's average MPG (miles per "
              "gallon), the number of miles you drive in a typical year, and so on). Once entered "
              "here, they will automatically be entered into the appropriate spaces in every "
              "calculator. You can also save them as a default, so that the program will "
              "automatically load them in when it starts. The button on the near left opens up "
              "the section of the help manual that describes how to use the Settings data form, "
              "and where to find the data. ");
    EXPECT_EQ(description("cmdMiles_Per_Dollar"),
              "Instead of thinking \"miles per gallon\", maybe you should be thinking \"miles per "
              "dollar.\"");
    EXPECT_EQ(description("cmdAlternatives"),
              "A look at the alternatives to driving your car all the time - walking, biking, mass "
              "transit, car pooling. Some of these alternatives may not makes as much sense as "
              "you might think.");
}

TEST(MainTables, TheStartUpNoticeKeepsItsDoubleBlanksAndLineBreaks) {
    EXPECT_EQ(startup_notice_text(),
              "Unlike most programs, where the helpfile is often only used to help solve problems, "
              "in the Milora the helpfile *IS* the Handbook - the most important information "
              "resource. If you don't read it, and use it, you'll miss out on lots of useful "
              "information, and won't make the best use of the program.\r\n\r\n"
              "The software's main purpose is to demonstrate what is presented in the Help "
              "section,  and allow you to modify the calculations to match your car and driving "
              "habits. Use the Help section as your primary information resource,  and the "
              "software as a tool. \r\n\r\n"
              "Clicking OK below will automatically open the Help section of the Handbook. The "
              "\"Starting Up\" tab will also open, where you can directly access the "
              "\"Introduction\" and \"Getting Started\" chapters of the Help file by clicking on "
              "the appropriately-named button.");
}

TEST(MainTables, EveryTabEndsInItsExitButtonAndEveryCommandHasATopic) {
    const std::set<std::string> exits = {
        "cmdExit",         "cmdExit_Program_FillingUp", "cmdExit_Program_Maintenance",
        "cmdExit_Program", "cmdExit_Program_Style",     "cmdExit_Program_Habits"};
    std::set<std::string> seen_exits;
    std::set<std::string> names;
    for (const MainTab& tab : main_tabs()) {
        ASSERT_FALSE(tab.rows.empty());
        const MainRow& last = tab.rows.back();
        EXPECT_EQ(last.action, RowAction::Exit) << tab.caption;
        EXPECT_STREQ(last.caption, "Exit Program");
        seen_exits.insert(last.button);
        for (const MainRow& row : tab.rows) {
            EXPECT_TRUE(names.insert(row.button).second) << "twice: " << row.button;
            if (row.action == RowAction::HelpChapter) {
                EXPECT_NO_THROW(help_topic(kMainWindowName, row.button)) << row.button;
            }
            if (row.help_button != nullptr) {
                EXPECT_NO_THROW(help_topic(kMainWindowName, row.help_button)) << row.button;
            }
            if (row.action != RowAction::Exit) {
                EXPECT_NE(row.label, nullptr) << row.button;
                EXPECT_FALSE(row.description.empty()) << row.button;
            }
        }
    }
    EXPECT_EQ(seen_exits, exits);
    for (const Menu& menu : main_menus()) {
        for (const MenuItem& item : menu.items) {
            if (item.action == MenuAction::HelpTopic) {
                EXPECT_NO_THROW(help_topic(kMainWindowName, item.name)) << item.name;
            }
        }
    }
}

TEST(HelpTopics, LookUpByWindowAndControl) {
    EXPECT_STREQ(help_topic(kDataSettingsWindowName, "cmdHelp"), "Entering_Settings.htm");
    EXPECT_STREQ(help_topic(kMainWindowName, "cmdSettings_Help"), "Entering_Settings.htm");
    EXPECT_THROW(help_topic(kMainWindowName, "cmdHelp"), std::out_of_range);
    EXPECT_THROW(help_topic(kDataSettingsWindowName, "cmdOK"), std::out_of_range);
}
