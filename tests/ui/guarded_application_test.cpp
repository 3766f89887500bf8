// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/fake_services.h"
#include "ui/application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace milora::ui {
namespace {

class GuardedApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        guarded = dynamic_cast<GuardedApplication*>(QCoreApplication::instance());
        ASSERT_NE(guarded, nullptr) << "the window tests run in the program's own application";
        guarded->report_faults_to(&fakes.messages);
    }
    void TearDown() override {
        if (guarded != nullptr) {
            guarded->report_faults_to(nullptr);
        }
    }

    GuardedApplication* guarded = nullptr;
    test::FakeServices fakes;
};

TEST_F(GuardedApplicationTest, ASlotThatThrowsIsReportedAndTheProgramGoesOn) {
    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        if (clicks == 1) {
            throw std::out_of_range("no label lblMoney_Totl");
        }
    });
    button.show();
    // A real click comes through the event loop, as the user's would.
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0], fault_message("no label lblMoney_Totl"));
    EXPECT_EQ(fakes.messages.shown[0].icon, Icon::Critical);
    EXPECT_NE(fakes.messages.shown[0].text.find("no label lblMoney_Totl"), std::string::npos);

    // The same button works afterwards, and nothing more is reported.
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(fakes.messages.shown.size(), 1U);
}

TEST_F(GuardedApplicationTest, AThrowFromAQueuedEventLeavesTheEventLoopRunning) {
    bool later = false;
    QTimer::singleShot(0, guarded, [] { throw 42; }); // not even a std::exception
    QTimer::singleShot(0, guarded, [&] { later = true; });
    for (int i = 0; i < 100 && !later; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_TRUE(later);
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0], fault_message("an unknown error"));
}

TEST(FaultMessageTest, ShowsTheCauseAsReadableTextOfBoundedLength) {
    const Message m = fault_message(std::string("bad\x1b[2Jname") + std::string(5000, 'x'));
    EXPECT_EQ(m.text.find('\x1b'), std::string::npos);
    EXPECT_LT(m.text.size(), 400U);
}

} // namespace
} // namespace milora::ui
