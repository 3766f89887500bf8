// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/calculator_window_fixture.h"
#include "support/window_helpers.h"
#include "ui/application.h"

#include <QPointer>
#include <QRadioButton>
#include <vector>

using namespace milora;
using namespace milora::test;

namespace {

class HighwayWindow : public CalculatorWindowFixture {
protected:
    QLabel* cell(const char* row, int index) {
        return label(QString::fromLatin1(row) + QLatin1Char('_') + QString::number(index));
    }
    bool is_red(QLabel* l) { return l->palette().color(QPalette::WindowText) == QColor(255, 0, 0); }
    // The index of the one bold cell of a row, or -1.
    int bold_column(const char* row) {
        int bold = -1;
        for (int i = 0; i <= 8; ++i) {
            if (cell(row, i)->font().bold()) {
                EXPECT_EQ(bold, -1) << row << " has two bold cells";
                bold = i;
            }
        }
        return bold;
    }
};

} // namespace

TEST_F(HighwayWindow, SelectorsStandInOneRowEachAndStartAtGeneralAnd55Mph) {
    open("E04_Yearly_Highway_Cost");
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(option("optBaseSpeed", i)->y(), option("optBaseSpeed", 0)->y()) << i;
        EXPECT_GT(option("optBaseSpeed", i)->x(), option("optBaseSpeed", i - 1)->x()) << i;
    }
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(option("optCarType", c)->y(), option("optCarType", 0)->y()) << c;
        EXPECT_GT(option("optCarType", c)->x(), option("optCarType", c - 1)->x()) << c;
    }
    EXPECT_EQ(option("optCarType", 4)->text(), "MinVan");
    EXPECT_TRUE(option("optCarType", 4)->toolTip().isEmpty());
    EXPECT_TRUE(option("optBaseSpeed", 2)->isChecked());
    EXPECT_TRUE(option("optCarType", 0)->isChecked());
    EXPECT_TRUE(label(QStringLiteral("lblInitial_Caption"))->isVisible()); // no Calculate yet
}

TEST_F(HighwayWindow, ASelectorClickRecalculatesAndMovesTheBoldColumnAndTheRedCells) {
    open("E02_Gas_And_Time_Cost");
    click(option("optBaseSpeed", 4));
    EXPECT_FALSE(label(QStringLiteral("lblInitial_Caption"))->isVisible());
    EXPECT_EQ(cell("lblTrue_MPG", 4)->text(), "22.0");
    EXPECT_EQ(bold_column("lblTrue_MPG"), 4);
    EXPECT_EQ(bold_column("lblGallonCost"), 4);
    EXPECT_EQ(cell("lblDriveSpeed1", 0)->text(), "70 mph");

    click(option("optCarType", 2));
    click(option("optBaseSpeed", 0));
    EXPECT_TRUE(option("optCarType", 2)->isChecked());
    EXPECT_EQ(bold_column("lblTrue_MPG"), 0);
    EXPECT_EQ(cell("lblSave", 2)->text(), "-$1.84");
    EXPECT_TRUE(is_red(cell("lblSave", 2)));
    EXPECT_TRUE(is_red(cell("lblCO2", 2)));
    EXPECT_FALSE(is_red(cell("lblSave", 3)));

    click(option("optCarType", 0));
    EXPECT_EQ(cell("lblSave", 2)->text(), "$0.14");
    EXPECT_FALSE(is_red(cell("lblSave", 2)));
    EXPECT_TRUE(is_red(cell("lblSave", 0)));
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(HighwayWindow, TheTripWindowMovesTheBoldHourlyZeroWithTheBase) {
    open("E03_Trip_Cost");
    click(child<QPushButton>(window, QStringLiteral("cmdCalculate")));
    EXPECT_EQ(bold_column("lblHourlyCost"), 2);
    EXPECT_TRUE(is_red(cell("lblSaveTimeTable", 0)));
    click(option("optBaseSpeed", 0));
    EXPECT_EQ(bold_column("lblHourlyCost"), 0);
    EXPECT_EQ(bold_column("lblTravelTime"), 0);
    EXPECT_EQ(cell("lblHourlyCost", 0)->text(), "$0.00");
    EXPECT_FALSE(is_red(cell("lblSaveTimeTable", 0)));
    EXPECT_EQ(label(QStringLiteral("lblSaveTime"))->text(),
              "saving you this much time versus traveling at a speed of 45 MPH :");
}

TEST_F(HighwayWindow, AClickWithARefusedBoxShowsTheMessageAndKeepsTheOldSelection) {
    open("E03_Trip_Cost");
    type_into(child<QLineEdit>(window, QStringLiteral("txtTrip_Distance")), QStringLiteral("0"));
    click(option("optBaseSpeed", 6));
    settle();
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].text,
              "Please enter a valid number for the trip distance in miles.");
    EXPECT_TRUE(option("optBaseSpeed", 2)->isChecked());
    EXPECT_FALSE(option("optBaseSpeed", 6)->isChecked());
    EXPECT_TRUE(label(QStringLiteral("lblInitial_Caption"))->isVisible());
}

TEST_F(HighwayWindow, GridCellsLineUpUnderOneAnotherFitTheWindowAndPrintInLandscape) {
    struct Layout {
        const char* window;
        std::vector<const char*> rows; // the first one is the speed header
    };
    const Layout layouts[] = {
        {"E02_Gas_And_Time_Cost",
         {"lblDriveSpeed3", "lblDriveSpeed1", "lblSave", "lblCO2", "lblTrue_MPG", "lblGas_CPM",
          "lblGallonCost", "lblHourly_CO2"}},
        {"E03_Trip_Cost",
         {"lblDriveSpeed2", "lblTravelTime", "lblSaveTimeTable", "lblExtraGasSpend",
          "lblHourlyCost", "lblExtraCO2"}},
        {"E04_Yearly_Highway_Cost",
         {"lblDriveSpeed2", "lblTravelTime", "lblSaveTimeTable", "lblMinutes_Per_Year",
          "lblExtraGasSpend", "lblHourlyCost", "lblExtraCO2"}},
    };
    for (const Layout& layout : layouts) {
        open(layout.window);
        click(option("optBaseSpeed", 0)); // fills every cell of every row
        settle();
        for (int i = 0; i <= 8; ++i) {
            const QRect header = cell(layout.rows[0], i)->geometry();
            for (const char* row : layout.rows) {
                const QRect r = cell(row, i)->geometry();
                EXPECT_EQ(r.left(), header.left()) << layout.window << " " << row << i;
                EXPECT_EQ(r.width(), header.width()) << layout.window << " " << row << i;
            }
        }
        for (QLabel* l : window->findChildren<QLabel*>()) {
            if (!l->isVisible()) {
                continue;
            }
            EXPECT_GE(l->height(), l->heightForWidth(l->width()))
                << layout.window << " " << l->objectName().toStdString() << " is cut off";
            EXPECT_TRUE(window->rect().contains(l->geometry()))
                << layout.window << " " << l->objectName().toStdString();
        }
        click(child<QPushButton>(window, QStringLiteral("cmdPrint")));
        ASSERT_FALSE(fakes.printer.printed.empty());
        EXPECT_EQ(fakes.printer.printed.back(), ui::Orientation::Landscape) << layout.window;
        window->close();
        settle();
    }
}
