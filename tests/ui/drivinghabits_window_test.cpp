// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/application.h"
#include "ui/support/fake_services.h"
#include "ui/support/window_helpers.h"

#include <QPointer>

using namespace milora;
using namespace milora::test;

namespace {

class DrivingHabitsWindowTest : public ::testing::Test {
protected:
    FakeServices fakes;
    ui::Application app{fakes.services()};
    QPointer<QWidget> window;

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
    QLineEdit* box(const char* name) { return child<QLineEdit>(window, QString::fromLatin1(name)); }
    QLabel* label(const QString& name) { return child<QLabel>(window, name); }
    QLabel* label(const char* name) { return label(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) {
        return child<QPushButton>(window, QString::fromLatin1(name));
    }
    void leave(QLineEdit* from) {
        QTest::keyClick(from, Qt::Key_Tab);
        settle();
    }
};

} // namespace

TEST_F(DrivingHabitsWindowTest, EachWindowHasItsTitleTooltipsAndHelpTopic) {
    struct Expected {
        const char* window;
        const char* title;
        const char* calculate_tooltip;
        const char* help_topic;
    };
    const Expected all[] = {
        {"F01_Driving_Less", "How Much Can You Save By Driving Less?",
         "Click here to Calculate results, or to update result when data at left is changed",
         "What_s_The_True_Cost_Of_Driving_.htm"},
        {"F01a_Miles_Per_Dollar", "Miles Per Dollar, & Dollars Per Mile",
         "Click here to Calculate results, or to update result when data at left is changed",
         "Miles_Per_Dollar.htm"},
        {"F02_Cost_Of_Trip", "True Cost Of Miles Traveled",
         "Click here to Calculate results, or to update results when data at left is changed",
         "Is_This_Trip_Necessary_.htm"},
        {"F03_Will_You_Save", "Will You Really Save Money?",
         "Click here to Calculate results, or update results after changing any of the data",
         "Is_This_Trip_Necessary_.htm#reallysave"},
        {"F04_More_Efficient_Vehicle", "Use Your Most Fuel-Efficient Car",
         "Click here to Calculate results, or to update results when data at left is changed",
         "Choose_The_Most_Efficient_Vehicle.htm"},
    };
    for (const Expected& e : all) {
        SCOPED_TRACE(e.window);
        open(e.window);
        EXPECT_EQ(window->windowTitle(), e.title);
        EXPECT_EQ(button("cmdCalculate")->toolTip(), e.calculate_tooltip);
        EXPECT_EQ(button("cmdPrint")->toolTip(), "Click here to Print results");
        EXPECT_EQ(button("cmdHelp")->toolTip(), "Click here to open Help manual");
        EXPECT_EQ(button("cmdExit")->toolTip(), "Click here to Exit calculator");
        fakes.help.topics.clear();
        click(button("cmdHelp"));
        EXPECT_EQ(fakes.help.topics, QStringList{e.help_topic});
        fakes.printer.printed.clear();
        click(button("cmdPrint"));
        EXPECT_EQ(fakes.printer.printed, std::vector{ui::Orientation::Portrait});
    }
}

TEST_F(DrivingHabitsWindowTest, TheMpgBoxOfWillYouSaveComplainsWithoutIconUnderTheProgramTitle) {
    open("F03_Will_You_Save");
    type_into(box("txtCombined_MPG"), QStringLiteral("0"));
    leave(box("txtCombined_MPG"));
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(
        fakes.messages.shown[0],
        (Message{"Milora", "Please enter a valid combined city/highway MPG, greater than zero.",
                 Icon::None, Buttons::Ok}));
    EXPECT_EQ(QApplication::focusWidget(), box("txtCombined_MPG"));

    // Calculate checks the box first and does nothing while it is refused.
    click(button("cmdCalculate"));
    EXPECT_EQ(fakes.messages.shown.size(), 2U);
    EXPECT_TRUE(label("lblInitial_Caption")->isVisible());
    EXPECT_FALSE(label("lblResults_Top")->isVisible());

    // The other boxes keep the usual warning.
    type_into(box("txtCombined_MPG"), QStringLiteral("20"));
    type_into(box("txtGas_Cost"), QStringLiteral("abc"));
    leave(box("txtGas_Cost"));
    ASSERT_EQ(fakes.messages.shown.size(), 3U);
    EXPECT_EQ(fakes.messages.shown[2].title, "Data Error");
    EXPECT_EQ(fakes.messages.shown[2].icon, Icon::Warning);
}

TEST_F(DrivingHabitsWindowTest, ATimeWorthOfZeroPassesInBothTripWindows) {
    for (const char* name : {"F02_Cost_Of_Trip", "F03_Will_You_Save"}) {
        SCOPED_TRACE(name);
        open(name);
        fakes.messages.shown.clear();
        type_into(box("txtTime_Worth"), QStringLiteral("0"));
        leave(box("txtTime_Worth"));
        EXPECT_TRUE(fakes.messages.shown.empty());
        EXPECT_NE(QApplication::focusWidget(), box("txtTime_Worth"));
        click(button("cmdCalculate"));
        EXPECT_TRUE(fakes.messages.shown.empty());
    }
    EXPECT_EQ(label("lblResults_With_Time")->text(),
              "- including the time cost of $0.00 with the mileage costs, you're only saving "
              "just $5.55 in making this trip. Is this trip really necessary?");
}

TEST_F(DrivingHabitsWindowTest, TheExpectedSavingBoxSitsUnderItsHeading) {
    open("F03_Will_You_Save");
    QLabel* heading = label("lblHow_Much");
    QLabel* caption = label("lblHow_Much_Caption");
    EXPECT_EQ(heading->text(), "How Much Do You Think You'll Save By Making This Trip?");
    EXPECT_EQ(caption->text(), "Expected Savings ($)");
    EXPECT_EQ(caption->buddy(), box("txtHow_Much"));
    EXPECT_EQ(label("lblCost_Per_Mile")->buddy(), box("txtMileage_Cost"));
    EXPECT_LT(heading->geometry().bottom(), box("txtHow_Much")->geometry().top());
    EXPECT_LE(heading->geometry().left(), caption->geometry().left());
    EXPECT_GE(heading->width(), heading->sizeHint().width());
}

TEST_F(DrivingHabitsWindowTest, TheDrivingLessGridLinesUpAndEveryFigureFits) {
    open("F01_Driving_Less");
    EXPECT_EQ(label("Label1")->buddy(), box("txtCombined_MPG"));
    EXPECT_EQ(label("lblTotal_Mileage")->buddy(), box("txtYearly_Mileage"));
    EXPECT_EQ(label("lblDriving_Cost")->buddy(), box("txtMileage_Cost"));
    EXPECT_FALSE(label("lblCurrent_Results")->isVisible());

    // A mileage that a single cannot hold exactly gives the longest miles figures.
    type_into(box("txtYearly_Mileage"), QStringLiteral("123456.7"));
    click(button("cmdCalculate"));
    settle();
    EXPECT_TRUE(label("lblCurrent_Results")->isVisible());
    EXPECT_EQ(label("lblLess_Miles_9")->text(), "111111.0328125");

    const char* rows[] = {"lblPercent",     "lblLess_Miles",    "lblMoney_Savings",
                          "lblOther_Costs", "lblCO2_Reduction", "lblPollution"};
    for (int n = 1; n <= 10; ++n) {
        const QRect column = label(QStringLiteral("lblPercent_%1").arg(n))->geometry();
        for (const char* row : rows) {
            QLabel* cell = label(QStringLiteral("%1_%2").arg(QLatin1String(row)).arg(n));
            EXPECT_EQ(cell->geometry().left(), column.left()) << row << n;
            EXPECT_EQ(cell->geometry().width(), column.width()) << row << n;
            EXPECT_GE(cell->width(), cell->sizeHint().width()) << row << n << " is cut off";
            EXPECT_TRUE(window->rect().contains(cell->geometry())) << row << n;
        }
    }
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (l->isVisible() && l->wordWrap()) {
            EXPECT_GE(l->height(), l->heightForWidth(l->width()))
                << l->objectName().toStdString() << " is cut off";
        }
    }
}
