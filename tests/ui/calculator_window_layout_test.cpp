// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Every calculator window: its size holds still, its texts stay whole and on the screen, the
// keyboard reaches everything in reading order, and Enter and Escape do what the buttons do.

#include "calc/registry.h"
#include "ui/application.h"
#include "ui/support/fake_services.h"
#include "ui/support/window_helpers.h"

#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <cstdio>

using namespace milora;
using namespace milora::test;

namespace {

class CalculatorLayoutTest : public ::testing::Test {
protected:
    FakeServices fakes;
    ui::Application app{fakes.services()};
    QPointer<QWidget> window;

    void open(const std::string& name) {
        if (window) {
            window->close();
            settle();
        }
        window = app.open_calculator(QString::fromStdString(name));
        ASSERT_NE(window, nullptr) << name;
        show_active(window);
        settle();
    }
    void TearDown() override {
        if (window) {
            window->close();
        }
        settle();
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(window, QString::fromLatin1(name)); }
    QPushButton* button(const char* name) {
        return child<QPushButton>(window, QString::fromLatin1(name));
    }
    QPushButton* calculate() {
        for (QPushButton* b : window->findChildren<QPushButton*>()) {
            if (b->text() == QStringLiteral("Calculate")) {
                return b;
            }
        }
        ADD_FAILURE() << "no Calculate button";
        return nullptr;
    }

    // Every visible text has the room it needs, inside the window.
    void expect_texts_whole(const std::string& when) {
        for (QLabel* l : window->findChildren<QLabel*>()) {
            if (!l->isVisible() || l->text().isEmpty()) {
                continue;
            }
            const std::string name = window->objectName().toStdString() + "." +
                                     l->objectName().toStdString() + " " + when;
            EXPECT_GE(l->height(), l->heightForWidth(l->width()))
                << name << " is cut off"
                << " (window " << window->width() << "x" << window->height() << " hfw "
                << window->layout()->totalHeightForWidth(window->width()) << " label " << l->x()
                << "," << l->y() << " " << l->width() << "x" << l->height() << " min "
                << l->minimumWidth() << " text " << l->text().toStdString();
            EXPECT_TRUE(window->rect().contains(l->geometry())) << name << " is outside";
        }
    }
};

int screen_width() {
    return QGuiApplication::primaryScreen()->availableGeometry().width();
}

} // namespace

TEST_F(CalculatorLayoutTest, NoCalculatorChangesSizeOnCalculateOrAnOptionClick) {
    for (const calc::CalculatorEntry& entry : calc::calculators()) {
        SCOPED_TRACE(entry.window);
        open(entry.window);
        const QRect opened = window->geometry();
        EXPECT_LE(window->frameGeometry().width(), screen_width());
        expect_texts_whole("at opening");
        std::string sizes = std::to_string(opened.width()) + "x" + std::to_string(opened.height());
        click(calculate());
        settle();
        EXPECT_EQ(window->geometry(), opened) << "after Calculate";
        expect_texts_whole("after Calculate");
        for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
            if (!option->isVisible()) {
                continue;
            }
            click(option);
            settle();
            EXPECT_EQ(window->geometry(), opened) << "after " << option->objectName().toStdString();
            click(calculate());
            settle();
            EXPECT_EQ(window->geometry(), opened)
                << "after " << option->objectName().toStdString() << " and Calculate";
            expect_texts_whole("after " + option->objectName().toStdString());
        }
        EXPECT_TRUE(fakes.messages.shown.empty()) << fakes.messages.shown.front().text;
        fakes.messages.shown.clear();
        std::printf("[ size ] %s %s\n", entry.window.c_str(), sizes.c_str());
    }
}

TEST_F(CalculatorLayoutTest, LongResultsWrapAndTheWindowStaysOnTheScreen) {
    open("F01_Driving_Less");
    const QRect opened = window->geometry();
    type_into(box("txtYearly_Mileage"), QStringLiteral("7777.7"));
    click(calculate());
    settle();
    EXPECT_TRUE(fakes.messages.shown.empty());
    // The sentence wraps; only figures, which cannot wrap, may widen the window, and never past
    // the screen.
    QLabel* sentence = child<QLabel>(window, QStringLiteral("lblCurrent_Results"));
    EXPECT_LE(sentence->geometry().right(), window->width());
    EXPECT_GE(window->width(), opened.width());
    EXPECT_LE(window->frameGeometry().right(), screen_width());
    EXPECT_GE(window->frameGeometry().left(), 0);
    expect_texts_whole("with 7777.7 miles");
    // A second Calculate with the same numbers moves nothing.
    const QRect grown = window->geometry();
    click(calculate());
    settle();
    EXPECT_EQ(window->geometry(), grown);
}

TEST_F(CalculatorLayoutTest, HugeFiguresLeaveTheRowCaptionsTheirWidth) {
    open("B01_HowMuchDoYouSpendOnGas");
    std::map<QString, int> widths;
    for (QLabel* l : window->findChildren<QLabel*>()) {
        widths[l->objectName()] = l->width();
    }
    const int width = window->width();
    type_into(box("txtTotal_Mileage"), QStringLiteral("99999999999"));
    type_into(box("txtGas_Cost"), QStringLiteral("9999999"));
    click(calculate());
    settle();
    // Figures that cannot wrap may widen the window, as far as the screen allows.
    EXPECT_GE(window->width(), width);
    EXPECT_LE(window->frameGeometry().width(), screen_width());
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (l->objectName().startsWith(QStringLiteral("lblCaption")) ||
            l->objectName().endsWith(QStringLiteral("_Caption"))) {
            EXPECT_GE(l->width(), widths[l->objectName()]) << l->objectName().toStdString();
        }
    }
    expect_texts_whole("with huge figures");
}
