// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "shell/help_topics.h"

#include "cardata/data_settings.h"
#include "shell/main_tables.h"
#include "shell/window_catalogue.h"

#include <array>
#include <stdexcept>
#include <string>

namespace milora::shell {
namespace {

constexpr const char* M = kMainWindowName;

// Topics that more than one command opens.
constexpr const char* kGettingStartedTopic = "Getting_Started.htm";
constexpr const char* kTellAFriendTopic = "Tell_A_Friend.htm";
constexpr const char* kAffiliateTopic = "Become_An_Affiliate.htm";

// The topic of the window that a main window row opens, when `help_button` is that row's Help
// button: the window's own, from the catalogue.
const char* opened_window_topic(std::string_view help_button) {
    for (const MainTab& tab : main_tabs()) {
        for (const MainRow& row : tab.rows) {
            if (row.action == RowAction::OpenWindow && row.help_button != nullptr &&
                help_button == row.help_button) {
                const CatalogueEntry* entry = find_window(row.window);
                return entry != nullptr ? entry->help_topic.c_str() : nullptr;
            }
        }
    }
    return nullptr;
}

constexpr std::array kTopics = std::to_array<HelpTopic>({
    // Main window buttons (a row that opens a window opens that window's topic).
    {M, "cmdIntroduction_Help", kIntroductionTopic},
    {M, "cmdGetting_Started_Help", kGettingStartedTopic},
    {M, "cmdOK", kGettingStartedTopic},
    {M, "cmdGeneral_Fillup_Tips_Help", "Other_Gas_Station_Tips.htm"},
    {M, "cmdGadgets_And_Gizmos", "Gadgets_and_Gizmos.htm"},
    {M, "cmdGeneral_Maintenance_Tips", "Other_General_Tips.htm"},
    {M, "cmdAlternatives", "Alternatives.htm"},
    {M, "cmdOther_Tips", "General_Driving_Habits_Tips.htm"},
    // Main window menus.
    {M, "mnuHelpContents", kIntroductionTopic},
    {M, "mnuFrequently_Asked_Questions", "FAQ.htm"},
    {M, "Comments", "Comments.htm"},
    {M, "mnuCorrections", "Corrections.htm"},
    {M, "Tell_A_Friend", kTellAFriendTopic},
    {M, "mnuTellFriend", kTellAFriendTopic},
    {M, "Become_An_Affiliate", kAffiliateTopic},
    {M, "mnuBecomeAffiliate", kAffiliateTopic},
    {M, "mnuProgram_History", kHistoryTopic},
    {M, "mnuAcknowledgements", "Acknowledgements.htm"},
    // Data Settings window.
    {kDataSettingsWindowName, "cmdHelp", cardata::kHelpTopic},
});

} // namespace

std::span<const HelpTopic> help_topics() {
    return kTopics;
}

const char* help_topic(std::string_view window, std::string_view control) {
    if (window == kMainWindowName) {
        if (const char* topic = opened_window_topic(control)) {
            return topic;
        }
    }
    for (const HelpTopic& t : kTopics) {
        if (window == t.window && control == t.control) {
            return t.topic;
        }
    }
    throw std::out_of_range("no help topic for " + std::string(window) + "." +
                            std::string(control));
}

} // namespace milora::shell
