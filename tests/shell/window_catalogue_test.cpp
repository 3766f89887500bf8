// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/registry.h"
#include "cardata/data_settings.h"
#include "mileage/mileage_tracker.h"
#include "shell/help_topics.h"
#include "shell/main_tables.h"
#include "shell/window_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace milora::shell {
namespace {

TEST(WindowCatalogue, HoldsEveryWindowOnceWithItsOwnCaptionAndTopic) {
    const auto& all = window_catalogue();
    ASSERT_EQ(all.size(), calc::calculators().size() + 2);
    EXPECT_EQ(all.front().window, "A01_Data_Settings");
    EXPECT_EQ(all.front().help_topic, "Entering_Settings.htm");
    EXPECT_EQ(all.front().kind, WindowKind::DataSettings);
    EXPECT_EQ(all.back().window, "B07_Mileage");
    EXPECT_EQ(all.back().caption, "Track Your Gas Mileage");
    EXPECT_EQ(all.back().help_topic, "What_s_Your_True_MPG.htm");
    EXPECT_EQ(all.back().kind, WindowKind::Tracker);
    std::set<std::string> names;
    for (const CatalogueEntry& e : all) {
        EXPECT_TRUE(names.insert(e.window).second) << "twice: " << e.window;
        EXPECT_FALSE(e.caption.empty()) << e.window;
        EXPECT_FALSE(e.help_topic.empty()) << e.window;
    }
    const CatalogueEntry* c07 = find_window("C07_Oil_Thickness");
    ASSERT_NE(c07, nullptr);
    EXPECT_EQ(c07->caption, "What Will Using Too Thick A Motor Oil Cost You?");
    EXPECT_EQ(c07->help_topic, "Oil.htm#oilthickness");
    EXPECT_EQ(find_window("C07_Oil_Thicknes"), nullptr);
}

TEST(WindowCatalogue, EachCalculatorIsFoundByTheWindowNameOfItsDescription) {
    for (const calc::CalculatorEntry& e : calc::calculators()) {
        EXPECT_EQ(e.make()->description().window, e.window);
        EXPECT_EQ(calc::find_calculator(e.window), &e);
    }
    EXPECT_EQ(calc::calculators().size(), 30U);
}

// A row's Help button and the Help button of the window it opens lead to the same page.
TEST(WindowCatalogue, ARowThatOpensAWindowOpensThatWindowsHelpTopic) {
    int rows = 0;
    for (const MainTab& tab : main_tabs()) {
        for (const MainRow& row : tab.rows) {
            if (row.action != RowAction::OpenWindow) {
                continue;
            }
            ++rows;
            const CatalogueEntry* opened = find_window(row.window);
            ASSERT_NE(opened, nullptr) << row.window;
            ASSERT_NE(row.help_button, nullptr) << row.button;
            EXPECT_EQ(help_topic(kMainWindowName, row.help_button), opened->help_topic)
                << row.help_button;
        }
    }
    EXPECT_EQ(rows, 32); // the Data Settings, the tracker and the thirty calculators
    EXPECT_STREQ(help_topic(kMainWindowName, "cmdTrue_MPG_Help"), mileage::kHelpTopic);
    EXPECT_STREQ(help_topic(kMainWindowName, "cmdECMO_Oil_Help"), "Oil.htm#ECMO");
    // A Help button of another window is not a main window row.
    EXPECT_THROW(help_topic(cardata::kWindowName, "cmdECMO_Oil_Help"), std::out_of_range);
}

} // namespace
} // namespace milora::shell
