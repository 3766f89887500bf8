// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Keys shared by the tracker and its plot window.

class QKeyEvent;
class QWidget;

namespace milora::ui {

bool is_enter_key(const QKeyEvent* event);

// Enter on a push button presses that button (the buttons are no default buttons, so the key
// comes up to the window). True when a button was pressed.
bool press_focused_button(QWidget* window, const QKeyEvent* event);

} // namespace milora::ui
