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
#include <algorithm>
#include <cstdio>
#include <functional>

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
        const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
        EXPECT_LE((window->frameGeometry().center() - centre).manhattanLength(), 2)
            << "opens centred";
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

TEST_F(CalculatorLayoutTest, TabGoesThroughTheBoxesAsTheyRead) {
    for (const calc::CalculatorEntry& entry : calc::calculators()) {
        SCOPED_TRACE(entry.window);
        open(entry.window);
        std::vector<QLineEdit*> boxes;
        for (QLineEdit* b : window->findChildren<QLineEdit*>()) {
            boxes.push_back(b);
        }
        if (boxes.size() < 2) {
            continue;
        }
        std::sort(boxes.begin(), boxes.end(), [this](QLineEdit* a, QLineEdit* b) {
            const QPoint pa = a->mapTo(window, QPoint());
            const QPoint pb = b->mapTo(window, QPoint());
            return std::pair(pa.y(), pa.x()) < std::pair(pb.y(), pb.x());
        });
        boxes.front()->setFocus(Qt::MouseFocusReason);
        for (std::size_t i = 1; i < boxes.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            settle();
            EXPECT_EQ(QApplication::focusWidget(), boxes[i])
                << "after " << boxes[i - 1]->objectName().toStdString();
        }
        EXPECT_TRUE(fakes.messages.shown.empty());
    }
}

TEST_F(CalculatorLayoutTest, TheRadialBiasBoxesGoByRow) {
    open("C04_Radial_Bias");
    QLineEdit* first = window->findChildren<QLineEdit*>().front();
    std::vector<QWidget*> order{first};
    first->setFocus(Qt::MouseFocusReason);
    for (int i = 1; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        settle();
        order.push_back(QApplication::focusWidget());
    }
    // Across the row first: the second stop is beside the first, not under it.
    EXPECT_EQ(order[1]->mapTo(window, QPoint()).y(), order[0]->mapTo(window, QPoint()).y());
    EXPECT_GT(order[1]->mapTo(window, QPoint()).x(), order[0]->mapTo(window, QPoint()).x());
}

TEST_F(CalculatorLayoutTest, EnterCalculatesAfterTheCheckAndEscapeExits) {
    open("B01_HowMuchDoYouSpendOnGas");
    QLabel* result = child<QLabel>(window, QStringLiteral("lblCurrent_Results"));
    type_into(box("txtGas_Cost"), QStringLiteral("0"));
    QTest::keyClick(box("txtGas_Cost"), Qt::Key_Return);
    settle();
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].text, "Please enter a valid gas price, greater than zero.");
    EXPECT_FALSE(result->isVisible());
    type_into(box("txtGas_Cost"), QStringLiteral("3"));
    QTest::keyClick(box("txtGas_Cost"), Qt::Key_Enter);
    settle();
    EXPECT_TRUE(result->isVisible());
    EXPECT_NE(result->text().indexOf(QStringLiteral("$1800 every year")), -1);

    // Escape is Exit: the box is checked first, then the window closes.
    type_into(box("txtGas_Cost"), QStringLiteral("abc"));
    QTest::keyClick(box("txtGas_Cost"), Qt::Key_Escape);
    settle();
    EXPECT_EQ(fakes.messages.shown.size(), 2U);
    ASSERT_FALSE(window.isNull());
    type_into(box("txtGas_Cost"), QStringLiteral("3"));
    QTest::keyClick(box("txtGas_Cost"), Qt::Key_Escape);
    settle();
    EXPECT_TRUE(window.isNull());
}

TEST_F(CalculatorLayoutTest, EnterOnAButtonPressesThatButton) {
    open("B01_HowMuchDoYouSpendOnGas");
    button("cmdHelp")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button("cmdHelp"), Qt::Key_Return);
    EXPECT_EQ(fakes.help.topics.size(), 1);
    EXPECT_FALSE(child<QLabel>(window, QStringLiteral("lblCurrent_Results"))->isVisible());
}

namespace {

// Records, with each message, what the window showed while it was up.
class WatchingMessages final : public ui::MessageService {
public:
    std::function<void()> on_show;
    std::vector<Message> shown;
    Answer show(QWidget* /*parent*/, const Message& message) override {
        shown.push_back(message);
        if (on_show) {
            on_show();
        }
        return Answer::Ok;
    }
};

class DataErrorTest : public CalculatorLayoutTest {
protected:
    WatchingMessages watching;
    ui::Application watched_app{[this] {
        ui::Services s = fakes.services();
        s.messages = &watching;
        return s;
    }()};

    void open_watched(const char* name) {
        window = watched_app.open_calculator(QString::fromLatin1(name));
        ASSERT_NE(window, nullptr);
        show_active(window);
        settle();
    }
    QRadioButton* option(const char* name) {
        return child<QRadioButton>(window, QString::fromLatin1(name));
    }
};

} // namespace

TEST_F(DataErrorTest, TheOldFocusStaysWhileTheMessageIsUp) {
    open_watched("B01_HowMuchDoYouSpendOnGas");
    QWidget* focus_then = nullptr;
    watching.on_show = [&focus_then] { focus_then = QApplication::focusWidget(); };
    type_into(box("txtGas_Cost"), QStringLiteral("0"));
    QTest::keyClick(box("txtGas_Cost"), Qt::Key_Tab);
    settle();
    ASSERT_EQ(watching.shown.size(), 1U);
    EXPECT_EQ(focus_then, box("txtGas_Cost"));
    EXPECT_EQ(QApplication::focusWidget(), box("txtGas_Cost"));
}

TEST_F(DataErrorTest, TheOldOptionStaysSelectedWhileTheMessageIsUp) {
    open_watched("E02_Gas_And_Time_Cost");
    QRadioButton* old_option = option("optBaseSpeed_2");
    QRadioButton* clicked = option("optBaseSpeed_4");
    ASSERT_TRUE(old_option->isChecked());
    bool old_shown = false;
    bool clicked_shown = true;
    watching.on_show = [&] {
        old_shown = old_option->isChecked();
        clicked_shown = clicked->isChecked();
    };
    type_into(box("txtMPG"), QStringLiteral("0"));
    click(clicked);
    settle();
    ASSERT_EQ(watching.shown.size(), 1U);
    EXPECT_TRUE(old_shown);
    EXPECT_FALSE(clicked_shown);
    EXPECT_TRUE(old_option->isChecked());
    EXPECT_FALSE(clicked->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), box("txtMPG"));
}

TEST_F(DataErrorTest, TheSwapMessageComesBeforeTheResult) {
    open_watched("B04_Gas_Air_Temp");
    QLabel* result = child<QLabel>(window, QStringLiteral("lblGasTempResults"));
    const QString intro = result->text();
    QString shown_with_message;
    QString high_with_message;
    watching.on_show = [&] {
        shown_with_message = result->text();
        high_with_message = box("txtHighTemp")->text();
    };
    type_into(box("txtHighTemp"), QStringLiteral("60"));
    type_into(box("txtLowTemp"), QStringLiteral("90"));
    click(calculate());
    settle();
    ASSERT_EQ(watching.shown.size(), 1U);
    EXPECT_NE(watching.shown[0].text.find("swapping the two numbers"), std::string::npos);
    EXPECT_EQ(shown_with_message, intro);
    EXPECT_EQ(high_with_message, "60");
    EXPECT_NE(result->text(), intro);
    EXPECT_EQ(box("txtHighTemp")->text(), "90");
}
