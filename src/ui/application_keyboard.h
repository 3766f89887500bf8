// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What the keyboard and a screen reader find alike in every window of the program, so that no
// window has to remember it:
// - Enter and keypad Enter press the push button that has the focus, as Space does;
// - F10, and Alt pressed and released alone, open the window's menu bar;
// - F1 presses the window's Help button (cmdHelp); a window whose chapter depends on where the
//   user is (the main window) answers F1 itself;
// - the program's own top-level windows are announced as windows, not as an anonymous pane.

#include <QObject>

namespace milora::ui {

class KeyboardRules : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool alt_alone_ = false;
};

// Makes the program's own top-level windows (other than dialogs and main windows, which Qt
// already names) report the role of a window to screen readers. Safe to call more than once.
void announce_windows_as_windows();

} // namespace milora::ui
