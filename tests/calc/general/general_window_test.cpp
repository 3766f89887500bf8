// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/calculator_window_fixture.h"
#include "support/window_helpers.h"
#include "ui/application.h"

#include <QGroupBox>
#include <QPointer>
#include <QRadioButton>

using namespace milora;
using namespace milora::test;

namespace {

class GeneralWindowTest : public CalculatorWindowFixture {
protected:
    QLabel* results() { return find<QLabel>("lblResults"); }
};

} // namespace

TEST_F(GeneralWindowTest, AnOptionClickSelectsAndCalculatesAtOnce) {
    open("D03_Aerodynamics");
    EXPECT_TRUE(find<QRadioButton>("optAero_0")->isChecked());
    click(find<QRadioButton>("optAero_2"));
    EXPECT_TRUE(find<QRadioButton>("optAero_2")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("optAero_0")->isChecked());
    EXPECT_TRUE(results()->text().startsWith(
        QStringLiteral("If you put your bicycle inside of your car instead of on top while driving "
                       "on the highway, you might save $15.45 on gas")));
    click(find<QRadioButton>("optAero_5"));
    EXPECT_NE(results()->text().indexOf(QStringLiteral("that could save you $58.70, and put 383 ")),
              -1);
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(GeneralWindowTest, AnOptionClickOnARefusedBoxIsUndone) {
    open("D03_Aerodynamics");
    const QString intro = results()->text();
    type_into(find<QLineEdit>("txtGas_Cost"), QStringLiteral("0"));
    click(find<QRadioButton>("optAero_3"));
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].text,
              "Please enter a valid number for gas cost, greater than 0.");
    EXPECT_EQ(results()->text(), intro);
    EXPECT_TRUE(find<QRadioButton>("optAero_0")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("optAero_3")->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>("txtGas_Cost"));
}

TEST_F(GeneralWindowTest, TheSixOptionsStandInRowsWithinTheirFrame) {
    open("D03_Aerodynamics");
    auto* frame = find<QGroupBox>("Frame1");
    EXPECT_EQ(frame->title(), "Options to improve aerodynamics");
    EXPECT_EQ(frame->toolTip(),
              "Click here to see the effect of these actions on your car's fuel economy");
    EXPECT_EQ(find<QRadioButton>("optAero_5")->text(), "Install Truck Bed Cover");
    EXPECT_EQ(find<QRadioButton>("optAero_4")->toolTip(), "");
    QList<QRadioButton*> options;
    for (int i = 0; i < 6; ++i) {
        options.push_back(child<QRadioButton>(window, QStringLiteral("optAero_%1").arg(i)));
    }
    for (int i = 0; i < 6; ++i) {
        EXPECT_GE(options[i]->width(), options[i]->sizeHint().width()) << i << " is cut off";
        EXPECT_TRUE(frame->rect().contains(options[i]->geometry())) << i;
        for (int j = i + 1; j < 6; ++j) {
            EXPECT_FALSE(options[i]->geometry().intersects(options[j]->geometry())) << i << j;
        }
    }
    EXPECT_GT(options[3]->y(), options[0]->y());
}

TEST_F(GeneralWindowTest, TheHeadlightResultIsBoldAtTenThenTwelvePoints) {
    open("D05_Headlights");
    EXPECT_TRUE(results()->font().bold());
    EXPECT_EQ(results()->font().pointSize(), 10);
    click(find<QPushButton>("cmdCalculate"));
    EXPECT_TRUE(results()->font().bold());
    EXPECT_EQ(results()->font().pointSize(), 12);
    EXPECT_TRUE(results()->text().contains(QStringLiteral("you will save $5.48 a year on gas")));
    window->close();
    settle();
    open("D05_Headlights");
    EXPECT_EQ(results()->font().pointSize(), 10);
    EXPECT_TRUE(results()->text().startsWith(QStringLiteral("Headlight use should always")));
}

TEST_F(GeneralWindowTest, EveryWindowShowsItsTextsWhole) {
    for (const char* name : {"D01_Idling", "D02_Air_Conditioning", "D03_Aerodynamics", "D04_Weight",
                             "D05_Headlights"}) {
        SCOPED_TRACE(name);
        open(name);
        for (bool calculated : {false, true}) {
            if (calculated) {
                click(find<QPushButton>("cmdCalculate"));
                settle();
            }
            for (QLabel* l : window->findChildren<QLabel*>()) {
                if (!l->isVisible()) {
                    continue;
                }
                const int needed =
                    l->wordWrap() ? l->heightForWidth(l->width()) : l->sizeHint().height();
                EXPECT_GE(l->height(), needed) << l->objectName().toStdString() << " is cut off";
                EXPECT_GE(l->width(), l->wordWrap() ? 0 : l->sizeHint().width())
                    << l->objectName().toStdString() << " is cut off";
                EXPECT_TRUE(window->rect().contains(l->geometry()))
                    << l->objectName().toStdString();
            }
        }
        EXPECT_TRUE(fakes.messages.shown.empty());
        window->close();
        settle();
    }
}

TEST_F(GeneralWindowTest, BoxCaptionsNameTheirBoxes) {
    open("D01_Idling");
    auto* idling = find<QLabel>("lblHeadlight_Reduction");
    EXPECT_EQ(idling->text(), "Reduction in Daily Idling (Minutes)");
    EXPECT_EQ(idling->buddy(), find<QLineEdit>("txtIdling_Reduction"));
    window->close();
    settle();
    open("D03_Aerodynamics");
    EXPECT_EQ(find<QLabel>("lbl_Yearly_Mileage")->buddy(), find<QLineEdit>("txtHighway_Mileage"));
    EXPECT_EQ(find<QPushButton>("cmdPrint")->toolTip(), "Click here to Print current results");
}
