// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/application.h"
#include "ui/calculator_window.h"
#include "ui/support/fake_services.h"
#include "ui/support/window_helpers.h"

#include <QPointer>

using namespace milora;
using namespace milora::test;

namespace {

class CalculatorWindowTest : public ::testing::Test {
protected:
    FakeServices fakes;
    ui::Application app{fakes.services()};
    QPointer<QWidget> window;

    void SetUp() override {
        window = app.open_calculator(QStringLiteral("B01_HowMuchDoYouSpendOnGas"));
        ASSERT_NE(window, nullptr);
        show_active(window);
    }
    void TearDown() override {
        if (window) {
            window->close();
        }
        settle();
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(window, QString::fromLatin1(name)); }
    QLabel* label(const char* name) { return child<QLabel>(window, QString::fromLatin1(name)); }
    QPushButton* button(const char* name) {
        return child<QPushButton>(window, QString::fromLatin1(name));
    }
};

} // namespace

TEST_F(CalculatorWindowTest, ShowsTheDescriptionWithNamesTooltipsAndBuddies) {
    EXPECT_EQ(window->objectName(), "B01_HowMuchDoYouSpendOnGas");
    EXPECT_EQ(window->windowTitle(), "How Much Do You Spend On Gas, And How Much Can You Save?");
    EXPECT_EQ(box("txtCombined_MPG")->text(), "20");
    EXPECT_EQ(box("txtGas_Cost")->toolTip(), "Enter the cost of gas ($ per gallon)");
    EXPECT_EQ(label("lblGas_Cost")->buddy(), box("txtGas_Cost"));
    EXPECT_EQ(label("lblGas_Cost")->toolTip(), "Cost of gasoline (dollars per gallon)");
    EXPECT_EQ(label("lblPercent_2")->text(), "20%");
    EXPECT_EQ(label("lblPercent_2")->property("index").toInt(), 2);
    EXPECT_TRUE(label("lblInitial_Caption")->isVisible());
    EXPECT_FALSE(label("lblCurrent_Results")->isVisible());
    for (const char* name : {"cmdCalculate", "cmdPrint", "cmdHelp", "cmdExit"}) {
        EXPECT_FALSE(button(name)->isDefault()) << name;
        EXPECT_FALSE(button(name)->autoDefault()) << name;
    }
}

TEST_F(CalculatorWindowTest, CalculateWritesTheResultsIntoTheLabels) {
    click(button("cmdCalculate"));
    EXPECT_FALSE(label("lblInitial_Caption")->isVisible());
    EXPECT_TRUE(label("lblCurrent_Results")->isVisible());
    EXPECT_EQ(label("lblCurrent_Results")->text(),
              "Based on the information above, you're currently spending about $1800 every year "
              "to buy 600 gallons of gas, and producing 11738 pounds of carbon dioxide.");
    EXPECT_EQ(label("lblMoney_Savings_1")->text(), "$164");
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(CalculatorWindowTest, LeavingABoxWithARefusedTextKeepsTheFocusThere) {
    for (const char* text : {"0", "-5", "abc", "", "$3"}) {
        fakes.messages.shown.clear();
        type_into(box("txtGas_Cost"), QString::fromLatin1(text));
        QTest::keyClick(box("txtGas_Cost"), Qt::Key_Tab);
        settle();
        ASSERT_EQ(fakes.messages.shown.size(), 1U) << text;
        EXPECT_EQ(fakes.messages.shown[0],
                  (Message{"Data Error", "Please enter a valid gas price, greater than zero.",
                           Icon::Warning, Buttons::Ok}));
        EXPECT_EQ(QApplication::focusWidget(), box("txtGas_Cost")) << text;
        EXPECT_EQ(box("txtGas_Cost")->text(), QString::fromLatin1(text));
    }
}

TEST_F(CalculatorWindowTest, AThousandsSeparatorIsAcceptedAndRead) {
    type_into(box("txtTotal_Mileage"), QStringLiteral("1,000"));
    QTest::keyClick(box("txtTotal_Mileage"), Qt::Key_Tab);
    settle();
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_NE(QApplication::focusWidget(), box("txtTotal_Mileage"));
    click(button("cmdCalculate"));
    EXPECT_NE(label("lblCurrent_Results")->text().indexOf("$150 every year to buy 50 gallons"), -1);
}

TEST_F(CalculatorWindowTest, AButtonClickOnAnInvalidBoxDoesNothing) {
    type_into(box("txtCombined_MPG"), QStringLiteral("0"));
    click(button("cmdCalculate"));
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_TRUE(label("lblInitial_Caption")->isVisible());
    EXPECT_EQ(label("lblMoney_Total_1")->text(), "");
    click(button("cmdExit"));
    settle();
    EXPECT_EQ(fakes.messages.shown.size(), 2U);
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    click(button("cmdHelp"));
    EXPECT_TRUE(fakes.help.topics.isEmpty());
}

TEST_F(CalculatorWindowTest, TheCloseBoxClosesWithoutValidation) {
    type_into(box("txtCombined_MPG"), QStringLiteral("abc"));
    window->close();
    settle();
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_TRUE(window.isNull());
}

TEST_F(CalculatorWindowTest, HelpPrintAndExit) {
    click(button("cmdHelp"));
    EXPECT_EQ(fakes.help.topics, QStringList{"How_Much_Do_You_Spend_On_Gas.htm"});
    click(button("cmdPrint"));
    ASSERT_EQ(fakes.printer.printed.size(), 1U);
    EXPECT_EQ(fakes.printer.printed[0], ui::Orientation::Portrait);
    click(button("cmdExit"));
    settle();
    EXPECT_TRUE(window.isNull());
}

TEST_F(CalculatorWindowTest, EachCalculatorOpensOnceAndKeepsItsState) {
    type_into(box("txtGas_Cost"), QStringLiteral("4"));
    app.state().car.Global_Gas_Cost = 5.0F;
    QWidget* again = app.open_calculator(QStringLiteral("B01_HowMuchDoYouSpendOnGas"));
    EXPECT_EQ(again, window.data());
    EXPECT_EQ(box("txtGas_Cost")->text(), "4");
    EXPECT_EQ(app.windows().count(), 1);
    window->close();
    settle();
    window = app.open_calculator(QStringLiteral("B01_HowMuchDoYouSpendOnGas"));
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("txtGas_Cost"))->text(), "5");
}

TEST_F(CalculatorWindowTest, EveryResultTextFitsAfterCalculate) {
    click(button("cmdCalculate"));
    settle();
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (!l->isVisible()) {
            continue;
        }
        EXPECT_GE(l->height(), l->heightForWidth(l->width()))
            << l->objectName().toStdString() << " is cut off";
        EXPECT_TRUE(window->rect().contains(l->geometry())) << l->objectName().toStdString();
    }
}
