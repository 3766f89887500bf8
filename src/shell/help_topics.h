// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Which chapter of the handbook (edt.chm) each command of the main window and of the Data
// Settings window opens. A row that opens a window opens the topic of that window (its own, read
// through the window catalogue). Topics are page names inside the handbook, optionally followed by
// "#" and an anchor, spelled exactly as the handbook spells them (case, double and trailing
// underscores).

#include "cardata/data_settings.h"

#include <span>
#include <string_view>

namespace milora::shell {

inline constexpr const char* kMainWindowName = "A0_Main";
inline constexpr const char* kDataSettingsWindowName = cardata::kWindowName;

// The handbook's first page: the Introduction button's topic and the help viewer's home.
inline constexpr const char* kIntroductionTopic = "Introduction.htm";
// The program's history, also the page that "Visit Website" falls back to.
inline constexpr const char* kHistoryTopic = "History.htm";

struct HelpTopic {
    const char* window;  // the window whose command opens the topic
    const char* control; // the command's control name
    const char* topic;
};

std::span<const HelpTopic> help_topics();

// The topic of a window's command; throws std::out_of_range for a command that has none.
const char* help_topic(std::string_view window, std::string_view control);

} // namespace milora::shell
