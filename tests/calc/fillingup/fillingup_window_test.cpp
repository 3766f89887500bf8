// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/application.h"
#include "ui/support/fake_services.h"
#include "ui/support/window_helpers.h"

#include <QPointer>
#include <QRadioButton>

using namespace milora;
using namespace milora::test;

namespace {

class FillingUpWindow : public ::testing::Test {
protected:
    FakeServices fakes;
    ui::Application app{fakes.services()};
    QPointer<QWidget> window;

    void open(const char* name) {
        window = app.open_calculator(QString::fromLatin1(name));
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
    QRadioButton* option(const char* group, int index) {
        return child<QRadioButton>(window, QString::fromLatin1(group) + QLatin1Char('_') +
                                               QString::number(index));
    }
    QString shown_high_options() {
        QString shown;
        for (int i = 2; i <= 7; ++i) {
            if (option("optHigh_Tank", i)->isVisible()) {
                shown += QString::number(i);
            }
        }
        return shown;
    }
    QString checked(const char* group, int first, int last) {
        QString on;
        for (int i = first; i <= last; ++i) {
            if (option(group, i)->isChecked()) {
                on += QString::number(i);
            }
        }
        return on;
    }
    void expect_every_text_fits() {
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
};

} // namespace

TEST_F(FillingUpWindow, TrueCostOfGasWarnsOfCheapAboveExpensiveAndKeepsTheIntro) {
    open("B02_True_Cost_of_Gas");
    EXPECT_EQ(window->windowTitle(), "Does Driving To A Station With \"Cheap\" Gas Make Sense?");
    EXPECT_EQ(label("lblGas_Mileage")->toolTip(), "Combined city/highway MPG (miles per gallon)");
    type_into(box("txtGas_Cost_Cheap"), QStringLiteral("3.10"));
    click(button("cmdCalculate"));
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].title, "Milora");
    EXPECT_EQ(fakes.messages.shown[0].icon, Icon::None);
    EXPECT_TRUE(label("lblInitial_Caption")->isVisible());
    EXPECT_EQ(label("lblHeader_Sentence")->text(), "");

    type_into(box("txtGas_Cost_Cheap"), QStringLiteral("2.79"));
    click(button("cmdCalculate"));
    EXPECT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_FALSE(label("lblInitial_Caption")->isVisible());
    EXPECT_EQ(label("lblTank_Lower")->text(),
              "... and, even if you fill up, when you get back "
              "home, your gas tank will be .25 gallons below full.");
    expect_every_text_fits();
}

TEST_F(FillingUpWindow, ExpensiveVsCheapUsesItsOwnButtonNames) {
    open("B03_Expensive_Vs_Cheap");
    EXPECT_EQ(button("cmdExit")->toolTip(), "Click her to Exit this Calculator");
    EXPECT_EQ(label("lblOneYearPR")->text(), "Savings over one year");
    click(button("cmdCalculatePR"));
    EXPECT_FALSE(label("lblInitial_Caption")->isVisible());
    EXPECT_EQ(label("lblFiveYearPR")->text(),
              "Over five years, you will save $750.00 by buying the cheaper brand of gasoline.");
    click(button("cmdPrintPR"));
    ASSERT_EQ(fakes.printer.printed.size(), 1U);
    EXPECT_EQ(fakes.printer.printed[0], ui::Orientation::Portrait);
    click(button("cmdHelp"));
    EXPECT_EQ(fakes.help.topics, QStringList{"Cheap_vs__Expensive_Gas.htm"});
    expect_every_text_fits();
}

TEST_F(FillingUpWindow, GasAirTempGrowsTheResultFontAndSwapsOnce) {
    open("B04_Gas_Air_Temp");
    EXPECT_EQ(label("lblGasTempResults")->font().pointSize(), 10);
    type_into(box("txtHighTemp"), QStringLiteral("70"));
    type_into(box("txtLowTemp"), QStringLiteral("75.5"));
    click(button("cmdCalculateTemp"));
    EXPECT_EQ(label("lblGasTempResults")->font().pointSize(), 12);
    EXPECT_EQ(box("txtHighTemp")->text(), "75.5");
    EXPECT_EQ(box("txtLowTemp")->text(), "70");
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0],
              (Message{"Milora",
                       "The high temperature you entered was lower than the low "
                       "temperature, so I've taken the liberty of swapping the two numbers",
                       Icon::None, Buttons::Ok}));
    EXPECT_NE(label("lblGasTempResults")->text().indexOf("is 70 instead of when it's 76."), -1);
    click(button("cmdCalculateTemp"));
    EXPECT_EQ(fakes.messages.shown.size(), 1U);
    expect_every_text_fits();
}

TEST_F(FillingUpWindow, FillupFrequencyOptionClicksRecalculateAndHideHighSettings) {
    open("B05_Fillup_Frequency");
    EXPECT_EQ(checked("optHigh_Tank", 2, 7), "7");
    EXPECT_EQ(checked("optLow_Tank", 1, 6), "1");
    EXPECT_EQ(option("optHigh_Tank", 4)->text(), "1/2");
    EXPECT_EQ(label("lblFillup_Times")->text(), "");
    const int seven_at = option("optHigh_Tank", 7)->x();

    click(option("optHigh_Tank", 5));
    EXPECT_EQ(checked("optHigh_Tank", 2, 7), "5");
    EXPECT_EQ(label("lblFillup_Savings")->text(),
              "If you normally fill up your tank when it's 5/8ths full instead of 1/8ths full, "
              "over the course of one year you will:");
    EXPECT_FALSE(label("lblFillup_Times")->text().isEmpty());

    click(option("optLow_Tank", 3));
    EXPECT_EQ(shown_high_options(), "4567");
    EXPECT_EQ(checked("optHigh_Tank", 2, 7), "5");
    EXPECT_NE(label("lblFillup_Savings")->text().indexOf("5/8ths full instead of 3/8ths"), -1);

    click(option("optLow_Tank", 6));
    EXPECT_EQ(shown_high_options(), "7");
    settle();
    EXPECT_EQ(option("optHigh_Tank", 7)->x(), seven_at) << "the shown options keep their places";
    EXPECT_EQ(checked("optHigh_Tank", 2, 7), "");
    EXPECT_EQ(label("lblFillup_Savings")->text(), "Select a high-tank setting.");
    EXPECT_EQ(label("lblFillup_Times")->text(), "");
    EXPECT_EQ(label("lblFillup_Hours")->text(), "");
    EXPECT_EQ(label("lblFillup_GasCost")->text(), "");

    click(button("cmdCalcFillup"));
    EXPECT_EQ(label("lblFillup_Savings")->text(), "Select a high-tank setting.");

    click(option("optLow_Tank", 2));
    EXPECT_EQ(shown_high_options(), "34567");
    click(option("optHigh_Tank", 7));
    EXPECT_NE(label("lblFillup_Savings")->text().indexOf("7/8ths full instead of 2/8ths"), -1);
    EXPECT_TRUE(fakes.messages.shown.empty());
    expect_every_text_fits();
}

TEST_F(FillingUpWindow, FillupFrequencyOptionClickOnARefusedBoxIsUndone) {
    open("B05_Fillup_Frequency");
    type_into(box("txtGas_Mileage"), QStringLiteral("abc"));
    click(option("optHigh_Tank", 3));
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].text,
              "Please enter a valid average MPG number for your car.");
    EXPECT_EQ(checked("optHigh_Tank", 2, 7), "7");
    EXPECT_EQ(label("lblFillup_Times")->text(), "");
}

TEST_F(FillingUpWindow, GasCapCalculatesFromItsOwnButton) {
    open("B06_Gas_Cap");
    EXPECT_EQ(label("lblGasCost")->buddy(), box("txtGas_Cost"));
    EXPECT_EQ(label("lblGasCost")->text(), "Gas Cost ($/gallon):");
    click(button("cmdGasEvap"));
    EXPECT_NE(label("lblEvapCosts")->text().indexOf("costing you $73.00. "), -1);
    click(button("cmdHelp"));
    EXPECT_EQ(fakes.help.topics, QStringList{"Gas_Cap.htm"});
    expect_every_text_fits();
}
