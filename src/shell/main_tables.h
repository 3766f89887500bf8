// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The main window as data: its six tabs with their rows (a button, a Help button, a description
// joined from its pieces), its menus with their items and what each does, and its fixed texts.
// The window turns these tables into widgets and connections; help topics come from
// help_topics.h by control name.

#include "base/message.h"
#include "base/web_links.h"
#include "shell/help_topics.h"

#include <string>
#include <vector>

namespace milora::shell {

enum class RowAction {
    OpenWindow,  // opens `window`, at most once
    HelpChapter, // opens the button's own help topic
    Exit,        // closes the main window
};

struct MainRow {
    const char* button;
    const char* caption;
    RowAction action;
    const char* window = nullptr;              // for OpenWindow
    const char* help_button = nullptr;         // the row's "Help" button, when it has one
    const char* label = nullptr;               // the description label, when the row has one
    std::vector<const char*> description = {}; // pieces, joined in order
};

struct MainTab {
    const char* caption;
    std::vector<MainRow> rows; // top to bottom; the last one is the tab's "Exit Program"
};

const std::vector<MainTab>& main_tabs();

enum class MenuAction { OpenCarData, PrintSetup, Exit, SelectTab, HelpTopic, WebPage, About };

struct MenuItem {
    const char* name;
    const char* caption; // "&" marks the accelerator
    MenuAction action;
    int tab = 0;                      // for SelectTab
    WebLink link = WebLink::HomePage; // for WebPage
};

struct Menu {
    const char* name;
    const char* caption;
    std::vector<MenuItem> items;
};

const std::vector<Menu>& main_menus();

// "Visit Website" opens this page of the handbook when no home page was named at build time.
inline constexpr const char* kWebsiteTopic = kHistoryTopic;

// What "Check For Updates" says when no software centre takes Milora's AppStream link.
Message updates_message(const std::string& version);

// Joins description pieces as they stand.
std::string join_pieces(const std::vector<const char*>& pieces);

inline constexpr const char* kMainCaption = "Milora";
inline constexpr const char* kHelpCaption = "Help";
inline constexpr const char* kStartingUpTitle =
    "To Get The Most Out Of The Milora, Use The Help File As Your Guide";
inline constexpr const char* kNoticeFrameCaption = "The Best Place To Start Is The Helpfile";
inline constexpr const char* kNoticeCheckCaption =
    "To keep this message from showing up on startup, check the box at left before clicking on OK";

// The start-up notice shown while default.miloracar is missing (line ends are CR LF).
std::string startup_notice_text();

} // namespace milora::shell
