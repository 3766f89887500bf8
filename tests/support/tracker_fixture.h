// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The mileage tracker opened as the main window opens it, over fake services. Closing it answers
// "Yes" to the question about unsaved data, and every answer a test prepared must have been used.

#include "support/fake_services.h"
#include "support/window_helpers.h"
#include "ui/application.h"
#include "ui/mileage_window.h"

#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace milora::test {

class TrackerFixture : public ::testing::Test {
protected:
    FakeServices fakes;
    ui::Application app{fakes.services()};
    QPointer<ui::MileageWindow> window;

    void open_tracker() {
        app.add_window_factory(QStringLiteral("B07_Mileage"),
                               [](ui::Application& a) { return new ui::MileageWindow(a); });
        window = qobject_cast<ui::MileageWindow*>(app.open_window(QStringLiteral("B07_Mileage")));
        ASSERT_NE(window, nullptr);
        show_active(window);
    }
    void close_tracker() {
        if (window) {
            if (window->tracker().data_changed()) {
                fakes.messages.answers.push_back(Answer::Yes);
            }
            window->close();
        }
        settle();
        EXPECT_TRUE(fakes.messages.answers.empty()) << "an expected question did not come";
        EXPECT_TRUE(fakes.files.open_answers.empty()) << "an expected dialog did not come";
        EXPECT_TRUE(fakes.files.save_answers.empty()) << "an expected dialog did not come";
        EXPECT_TRUE(fakes.previews.answers.empty()) << "an expected preview did not come";
    }
    QPushButton* button(const char* name) {
        return child<QPushButton>(window, QString::fromLatin1(name));
    }
};

} // namespace milora::test
