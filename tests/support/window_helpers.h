// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Finding widgets by objectName and driving them as a user would.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace milora::test {

// Object names of windows that a test opens modal on purpose (a window modal to its parent that
// the test then drives); the watch for unexpected modal dialogs leaves them alone.
QStringList& expected_modal_windows();

template <typename T> T* child(QWidget* window, const QString& name) {
    T* w = window->findChild<T*>(name);
    if (w == nullptr) {
        ADD_FAILURE() << "no widget " << name.toStdString() << " in "
                      << window->objectName().toStdString();
    }
    return w;
}

// Shows the window and makes it the active one, so that focus changes are real.
inline void show_active(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

// Lets queued work (deferred validation, deleteLater) run.
inline void settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

// Types `text` into the box, replacing what it held, the way a user does.
inline void type_into(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

inline void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace milora::test
