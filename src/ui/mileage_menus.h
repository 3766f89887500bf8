// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The tracker's menus, made from a table: a command is one row (its menu, object name, text,
// shortcut and what it does), so that a new command is one more row.

#include <QKeySequence>
#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QMenuBar;
class QWidget;

namespace milora::ui {

struct MenuCommand {
    const char* menu_name;  // "mnuEdit"
    const char* menu_title; // "&Edit"
    const char* name;       // the action's object name, "mnuUndo"
    const char* text;
    QKeySequence shortcut;
    std::function<void()> run;
    bool checkable = false; // a choice of one among the checkable rows of its menu
};

// Builds the menu bar of `window` from the rows, menus in the order they first appear.
QMenuBar* build_menu_bar(QWidget* window, const std::vector<MenuCommand>& commands);

} // namespace milora::ui
