// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A calculator's Qt window opened by the application, as the main window opens it, with fake
// services; and its widgets found by objectName. Every window test of a calculator starts here.

#include "support/fake_services.h"
#include "support/window_helpers.h"
#include "ui/application.h"

#include <QPointer>
#include <QRadioButton>

namespace milora::test {

class CalculatorWindowFixture : public ::testing::Test {
protected:
    FakeServices fakes;
    ui::Application app{fakes.services()};
    QPointer<QWidget> window;

    // Opens the calculator's window, shown and active; a window opened before is closed first.
    void open(const char* name) {
        if (window) {
            window->close();
            settle();
        }
        window = app.open_calculator(QString::fromLatin1(name));
        ASSERT_NE(window, nullptr) << name;
        show_active(window);
    }
    void TearDown() override {
        if (window) {
            window->close();
        }
        settle();
    }

    template <typename T> T* find(const char* name) {
        return child<T>(window, QString::fromLatin1(name));
    }
    QLineEdit* box(const char* name) { return find<QLineEdit>(name); }
    QLabel* label(const QString& name) { return child<QLabel>(window, name); }
    QLabel* label(const char* name) { return label(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) { return find<QPushButton>(name); }
    QRadioButton* option(const char* group, int index) {
        return child<QRadioButton>(window, QString::fromLatin1(group) + QLatin1Char('_') +
                                               QString::number(index));
    }
};

} // namespace milora::test
