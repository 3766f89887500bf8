// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_window.h"

#include "base/atomic_file.h"
#include "mileage/entry_list.h"
#include "mileage/mileage_file.h"
#include "mileage/summary.h"
#include "support/temp_folder.h"
#include "support/tracker_fixture.h"
#include "ui/application.h"
#include "ui/labels.h"
#include "ui/mileage_date_box.h"
#include "ui/mileage_plot_window.h"
#include "ui/mileage_rescue.h"
#include "ui/program_folder.h"
#include "ui/qt_text.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProgressDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

using namespace milora;
using namespace milora::test;
using ui::MileageWindow;

namespace {

const char* const kMainButtons[] = {"cmdNew",        "cmdOpen",      "cmdSave",         "cmdExit",
                                    "cmdAddNew",     "cmdPlot",      "cmdPrintSummary", "cmdHelp",
                                    "cmdExport_CSV", "cmdImport_CSV"};

class MileageWindowTest : public TrackerFixture {
protected:
    QTemporaryDir dir;
    QLocale saved_locale;

    void SetUp() override {
        // Dates in the list are the system's short form; the tests fix it to the US form.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        open_tracker();
    }
    void TearDown() override {
        close_tracker();
        QLocale::setDefault(saved_locale);
    }

    QLineEdit* box(const char* name) { return child<QLineEdit>(window, QString::fromLatin1(name)); }
    ui::MileageListView* list() {
        return child<ui::MileageListView>(window, QStringLiteral("txtMileage"));
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // Types one fill-up into the open entry frame and clicks Add Purchase.
    void enter(QDate date, const char* miles, const char* gallons,
               const char* button_name = "cmdAddEntry") {
        child<ui::MileageDateBox>(window, QStringLiteral("DTPicker1"))->setDate(date);
        type_into(box("txtMiles"), QString::fromLatin1(miles));
        type_into(box("txtGallons"), QString::fromLatin1(gallons));
        click(button(button_name));
    }
    // A log of `count` fill-ups, 300 miles on 10 gallons each, a week apart.
    void enter_log(int count) {
        click(button("cmdAddNew"));
        for (int i = 0; i < count; ++i) {
            enter(QDate(2006, 9, 16).addDays(7 * i), std::to_string(1000 + 300 * i).c_str(), "10");
        }
        click(button("cmdDoneAdding"));
    }
    // The text as the list shows it: the empty line a list of entries starts with is not shown.
    static QString shown(const std::string& crlf_text) {
        QString text = QString::fromStdString(crlf_text).remove(QLatin1Char('\r'));
        return text.startsWith(QLatin1Char('\n')) ? text.mid(1) : text;
    }
    bool all_main_buttons_enabled(bool on) {
        for (const char* name : kMainButtons) {
            if (button(name)->isEnabled() != on) {
                return false;
            }
        }
        return true;
    }
    static std::string slurp(const QString& p) { return test::slurp(p.toStdString()); }
};

// Pixels of the image near the colour (a tolerance for the blending of line edges).
int pixels_near(const QImage& image, QColor c) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - c.red()) + std::abs(p.green() - c.green()) +
                    std::abs(p.blue() - c.blue()) <
                60) {
                ++n;
            }
        }
    }
    return n;
}

} // namespace

TEST_F(MileageWindowTest, OpensEmptyWithItsControlsCaptionsAndTooltips) {
    EXPECT_EQ(window->objectName(), "B07_Mileage");
    EXPECT_EQ(window->windowTitle(), "Track Your Gas Mileage");
    EXPECT_EQ(list()->shown_text(), "");
    EXPECT_TRUE(QFontInfo(list()->font()).fixedPitch());
    EXPECT_FALSE(child<QGroupBox>(window, QStringLiteral("fraAddNew"))->isVisible());
    EXPECT_EQ(child<QGroupBox>(window, QStringLiteral("fraAddNew"))->title(), "Gas Purchase Data");
    for (const char* name : kMainButtons) {
        const bool off = std::string(name) == "cmdPlot" || std::string(name) == "cmdPrintSummary";
        EXPECT_EQ(button(name)->isEnabled(), !off) << name;
    }
    EXPECT_EQ(button("cmdAddNew")->text(), "Add New Gas Purchase");
    EXPECT_EQ(button("cmdPlot")->toolTip(), "If you have 3 or more data points, you can plot how "
                                            "your mileage is changing with time");
    EXPECT_EQ(button("cmdSave")->toolTip(), "Saves any data you've entered");
    EXPECT_EQ(button("cmdExit")->toolTip(), "Return to the main program");
    EXPECT_EQ(button("cmdAdd_With_Missing")->text(), "Add Purchase (With Missing Data)");
    EXPECT_EQ(button("cmdDoneAdding")->toolTip(),
              "Click this when you're done entering data, or if you change your mind and don't "
              "want to enter any");
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("Label4"))->text(), "Gas Purchased (gallons)");
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("lblMiles"))->buddy(), box("txtMiles"));
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("lblGallons"))->text(),
              "Gallons Purchased At Fillup");
    EXPECT_EQ(child<ui::MileageDateBox>(window, QStringLiteral("DTPicker1"))->toolTip(),
              "Enter the date of the gas purchase");
}

TEST_F(MileageWindowTest, EntriesAddedThroughTheFrameShowInTheList) {
    click(button("cmdAddNew"));
    EXPECT_TRUE(child<QGroupBox>(window, QStringLiteral("fraAddNew"))->isVisible());
    EXPECT_TRUE(all_main_buttons_enabled(false));
    enter(QDate(2006, 9, 16), "1000", "10");
    enter(QDate(2006, 9, 23), "1,000", "10"); // 1000 again: refused as not above the last
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].title, "Odometer Reading Error");
    EXPECT_EQ(QApplication::focusWidget(), box("txtMiles"));
    EXPECT_EQ(box("txtMiles")->text(), "1,000"); // the boxes keep what was typed
    EXPECT_EQ(box("txtGallons")->text(), "10");
    enter(QDate(2006, 9, 23), "1075", "10");
    EXPECT_EQ(box("txtMiles")->text(), "");
    EXPECT_EQ(box("txtGallons")->text(), "");
    EXPECT_EQ(window->picker_date_text(), "9/23/2006"); // the picker keeps its date
    // Columns 1-10, 11-21, 22-35, 36-52, 53-67 (and two blanks up to 69).
    EXPECT_EQ(list()->shown_text(), " 9/16/2006"
                                    "       1000"
                                    "          10.0"
                                    "             XXXX"
                                    "          XXXX"
                                    "   "
                                    "\n"
                                    " 9/23/2006"
                                    "       1075"
                                    "          10.0"
                                    "              7.5"
                                    "           07.5"
                                    "  ");
    EXPECT_TRUE(all_main_buttons_enabled(false)); // still entering
    click(button("cmdDoneAdding"));
    EXPECT_FALSE(child<QGroupBox>(window, QStringLiteral("fraAddNew"))->isVisible());
    EXPECT_TRUE(all_main_buttons_enabled(true));
    EXPECT_TRUE(window->tracker().data_changed());
}

TEST_F(MileageWindowTest, ThePlausibilityQuestionsAreAnsweredYesOrNo) {
    enter_log(3); // 30 MPG
    click(button("cmdAddNew"));
    fakes.messages.answers = {Answer::No};
    enter(QDate(2006, 10, 7), "1900", "6.6");
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].title, "Is Your Data Correct?");
    EXPECT_NE(fakes.messages.shown[0].text.find("more than 50% greater"), std::string::npos);
    EXPECT_EQ(window->tracker().log().fillup_count(), 3);
    EXPECT_EQ(box("txtGallons")->text(), "6.6");

    fakes.messages.answers = {Answer::Yes};
    enter(QDate(2006, 10, 7), "1900", "13.4");
    ASSERT_EQ(fakes.messages.shown.size(), 2U);
    EXPECT_NE(fakes.messages.shown[1].text.find("25% or more lower"), std::string::npos);
    EXPECT_EQ(window->tracker().log().fillup_count(), 4);
    const QString last = list()->shown_text().section(QLatin1Char('\n'), -1);
    EXPECT_EQ(last.mid(31, 4), "13.4");
    EXPECT_EQ(last.mid(48, 4), "22.4");
    EXPECT_EQ(last.mid(63, 4), "26.9"); // 900 miles / 33.4 gallons

    enter(QDate(2006, 10, 14), "2200", "12"); // 25 MPG against an average of 26.9: no question
    EXPECT_EQ(fakes.messages.shown.size(), 2U);
    EXPECT_EQ(window->tracker().log().fillup_count(), 5);
}

TEST_F(MileageWindowTest, MissingDataEntryStoresGallonsAtTheAverage) {
    enter_log(2);
    click(button("cmdAddNew"));
    fakes.messages.answers = {Answer::Yes};
    enter(QDate(2006, 10, 7), "1900", "5", "cmdAdd_With_Missing");
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].title, "Is This The Right Option?");
    EXPECT_TRUE(list()->shown_text().endsWith(QStringLiteral(" 10/7/2006"
                                                             "       1900"
                                                             "          20.0"
                                                             "             30.0"
                                                             "           30.0"
                                                             "  ")));
}

TEST_F(MileageWindowTest, HeadingsStandAboveTheirColumns) {
    enter_log(2);
    // Column 50.5 of the list (the middle of the tank MPG "30.0") lies under "MPG since last
    // fillup"; column 65.5 under the five-tank heading.
    const int row = 1;
    ASSERT_GT(list()->model()->rowCount(), row);
    const struct {
        const char* heading;
        int column;
    } cases[] = {{"Label5", 50}, {"Label6", 65}, {"lblOdometer", 18}, {"Label4", 33}};
    for (const auto& c : cases) {
        const QRect cell = list()->visualRect(list()->model()->index(row, 0));
        const QPoint x = list()->viewport()->mapTo(
            window, QPoint(static_cast<int>(list()->column_x(c.column)), cell.top()));
        const QLabel* h = child<QLabel>(window, QString::fromLatin1(c.heading));
        const QRect r(h->mapTo(window, QPoint(0, 0)), h->size());
        EXPECT_LE(std::abs(r.center().x() - x.x()),
                  QFontMetrics(list()->font()).horizontalAdvance(QLatin1Char('0')))
            << c.heading;
        EXPECT_LE(r.bottom(), list()->mapTo(window, QPoint(0, 0)).y()) << c.heading;
    }
}

TEST_F(MileageWindowTest, SummaryReplacesTheList) {
    click(button("cmdAddNew"));
    enter(QDate(2006, 9, 16), "1000", "10");
    enter(QDate(2006, 9, 23), "1300", "10");
    enter(QDate(2006, 9, 30), "1600", "12");
    click(button("cmdDoneAdding"));
    click(button("cmdPrintSummary"));
    EXPECT_EQ(list()->shown_text(), shown(mileage::summary_text(window->tracker().log()).value()));
    EXPECT_NE(list()->shown_text().indexOf(
                  QStringLiteral("Your lowest single-tank MPG was 25.0 on 9/30/2006.")),
              -1);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_TRUE(fakes.printer.printed.empty()); // nothing goes to a printer
    // The headings do not stand over the summary, and one command brings the list back.
    EXPECT_FALSE(child<QLabel>(window, QStringLiteral("Label5"))->isVisible());
    auto* show_list = window->findChild<QAction*>(QStringLiteral("mnuShow_List"));
    ASSERT_TRUE(show_list && show_list->isEnabled());
    show_list->trigger();
    EXPECT_EQ(list()->shown_text(), shown(mileage::list_text(window->tracker().log())));
    EXPECT_TRUE(child<QLabel>(window, QStringLiteral("Label5"))->isVisible());
    EXPECT_FALSE(show_list->isEnabled());
}

TEST_F(MileageWindowTest, ExportThenImportGivesTheSameLog) {
    enter_log(4);
    const QString csv = path("log.csv");
    fakes.files.save_answers = {csv};
    click(button("cmdExport_CSV"));
    ASSERT_EQ(fakes.files.save_requests.size(), 1U);
    const ui::FileDialogRequest& r = fakes.files.save_requests[0];
    EXPECT_EQ(r.title, "Save Mileage Data As .csv File");
    EXPECT_EQ(r.filter, "Files (*.csv)");
    EXPECT_EQ(r.default_suffix, "csv");
    EXPECT_EQ(r.directory, ui::program_folder());
    EXPECT_EQ(slurp(csv).substr(0, 24), "\"9/16/2006\",1000,10\r\n\"9/");
    EXPECT_TRUE(window->tracker().data_changed()); // an export is no save
    const QString before = list()->shown_text();

    // Unsaved entries: Import asks first; No does nothing at all.
    fakes.messages.answers = {Answer::No};
    click(button("cmdImport_CSV"));
    EXPECT_TRUE(fakes.files.open_requests.empty());

    // Yes, then the dialog is cancelled: the log is kept.
    fakes.messages.answers = {Answer::Yes};
    fakes.files.open_answers = {QString()};
    click(button("cmdImport_CSV"));
    ASSERT_EQ(fakes.files.open_requests.size(), 1U);
    EXPECT_EQ(fakes.files.open_requests[0].title, "Import Data From .csv File");
    EXPECT_EQ(fakes.files.open_requests[0].filter, "Car Data Files (*.csv)");
    EXPECT_EQ(list()->shown_text(), before);
    EXPECT_EQ(window->tracker().log().fillup_count(), 4);

    fakes.messages.answers = {Answer::Yes};
    fakes.files.open_answers = {csv};
    click(button("cmdImport_CSV"));
    EXPECT_EQ(list()->shown_text(), before);
    EXPECT_EQ(window->windowTitle(), "Track Your Gas Mileage");
    EXPECT_TRUE(window->tracker().data_changed());
    EXPECT_EQ(fakes.messages.shown.size(), 3U);
}

TEST_F(MileageWindowTest, SaveOpenAndClearData) {
    enter_log(3);
    const QString file = path("car.miloragas");
    fakes.files.save_answers = {path("no/such/folder/car.miloragas"), file};
    click(button("cmdSave"));
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_NE(fakes.messages.shown[0].text.find("could not be saved"), std::string::npos);
    EXPECT_TRUE(window->tracker().data_changed());
    click(button("cmdSave"));
    EXPECT_EQ(fakes.files.save_requests[1].title, "Save Mileage File");
    EXPECT_EQ(fakes.files.save_requests[1].filter, "Files (*.miloragas)");
    EXPECT_EQ(fakes.files.save_requests[1].default_suffix, "miloragas");
    EXPECT_FALSE(window->tracker().data_changed());
    EXPECT_EQ(window->windowTitle(), "Track Your Gas Mileage"); // Save leaves the caption
    const QString before = list()->shown_text();

    // Nothing unsaved: Clear Data asks nothing.
    click(button("cmdNew"));
    EXPECT_EQ(list()->shown_text(), "");
    EXPECT_FALSE(button("cmdPlot")->isEnabled());
    EXPECT_EQ(fakes.messages.shown.size(), 1U);

    fakes.files.open_answers = {QString(), file};
    click(button("cmdOpen")); // cancelled
    EXPECT_EQ(list()->shown_text(), "");
    click(button("cmdOpen"));
    EXPECT_EQ(fakes.files.open_requests[1].title, "Open Mileage File");
    EXPECT_EQ(fakes.files.open_requests[1].default_suffix, "miloragas");
    EXPECT_EQ(list()->shown_text(), before);
    EXPECT_EQ(window->windowTitle(), "Track Your Gas Mileage-" + file);
    EXPECT_TRUE(button("cmdPlot")->isEnabled());

    // With an unsaved entry, Clear Data asks; No keeps everything.
    click(button("cmdAddNew"));
    enter(QDate(2006, 10, 7), "1900", "10");
    click(button("cmdDoneAdding"));
    fakes.messages.answers = {Answer::No, Answer::Yes};
    click(button("cmdNew"));
    EXPECT_EQ(window->tracker().log().fillup_count(), 4);
    click(button("cmdNew"));
    EXPECT_EQ(window->tracker().log().fillup_count(), 0);
    EXPECT_EQ(window->windowTitle(), "Track Your Gas Mileage");
    EXPECT_EQ(fakes.messages.shown.back().title, "Save Modified Data?");
}

TEST_F(MileageWindowTest, AnEntryAddsOneLineToALongList) {
    std::string text;
    for (int i = 0; i < 3000; ++i) {
        text += "\"9/16/06\"," + std::to_string(1000 + 300 * i) + ",10\r\n";
    }
    ASSERT_TRUE(write_file_atomically(path("long.miloragas").toStdString(), text));
    fakes.files.open_answers = {path("long.miloragas")};
    click(button("cmdOpen"));
    QAbstractItemModel* rows = list()->model();
    ASSERT_EQ(rows->rowCount(), 3000); // no empty first line
    const int length = rows->rowCount();
    int changed_from = -1;
    int removed = 0;
    QObject::connect(rows, &QAbstractItemModel::rowsInserted, window,
                     [&](const QModelIndex&, int first, int) { changed_from = first; });
    QObject::connect(rows, &QAbstractItemModel::modelReset, window, [&] { ++removed; });
    QObject::connect(rows, &QAbstractItemModel::rowsRemoved, window, [&] { ++removed; });
    click(button("cmdAddNew"));
    enter(QDate(2006, 9, 23), "901000", "10");
    EXPECT_EQ(rows->rowCount(), 3001);
    EXPECT_EQ(removed, 0);
    EXPECT_GE(changed_from, length - 1);
    EXPECT_EQ(list()->shown_text(), shown(mileage::list_text(window->tracker().log())));
    // The newest line is in view.
    EXPECT_EQ(list()->currentIndex().row(), rows->rowCount() - 1);
    EXPECT_TRUE(list()->viewport()->rect().intersects(list()->visualRect(list()->currentIndex())));
    EXPECT_TRUE(list()->selectionModel()->selectedRows().empty());
}

TEST_F(MileageWindowTest, SelectedLinesCanBeCopied) {
    enter_log(3);
    list()->setFocus();
    list()->selectionModel()->select(list()->model()->index(2, 0), QItemSelectionModel::Select);
    list()->selectionModel()->select(list()->model()->index(0, 0), QItemSelectionModel::Select);
    QTest::keySequence(list(), QKeySequence::Copy);
    const QStringList rows = list()->shown_text().split(QLatin1Char('\n'));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), rows[0] + QLatin1Char('\n') + rows[2]);
}

TEST_F(MileageWindowTest, ExitAsksAboutUnsavedEntriesAlsoFromTheTitleBar) {
    enter_log(1);
    fakes.messages.answers = {Answer::No, Answer::No};
    click(button("cmdExit"));
    settle();
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(fakes.messages.shown.back().title, "Save Modified Data?");
    EXPECT_EQ(fakes.messages.shown.back().default_answer, Answer::No); // the safe answer
    window->close();
    settle();
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(fakes.messages.shown.size(), 2U);
    fakes.messages.answers = {Answer::Yes};
    click(button("cmdExit"));
    settle();
    EXPECT_TRUE(window.isNull());
}

TEST_F(MileageWindowTest, PlotNeedsThreeEntries) {
    enter_log(2);
    click(button("cmdPlot"));
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].title, "More Data Needed");
    EXPECT_EQ(fakes.messages.shown[0].icon, Icon::Information);
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("B08_MileagePlot")), nullptr);
    click(button("cmdHelp"));
    EXPECT_EQ(fakes.help.topics, QStringList{"What_s_Your_True_MPG.htm"});
}

TEST_F(MileageWindowTest, PlotDrawsTheCheckedSeriesAndPrintsInLandscape) {
    expected_modal_windows() = {QStringLiteral("B08_MileagePlot")};
    // Tanks of 30, 20, 25, 25, 25, 30 and 25 MPG: the range runs from 19 to 32; the EPA lines
    // of the default car data (20.28 and 17) lie inside and below it. From entry 7 on the
    // five-tank line leaves the overall one.
    const struct {
        const char* miles;
        const char* gallons;
    } entries[] = {{"1000", "10"}, {"1300", "10"}, {"1500", "10"}, {"1750", "10"},
                   {"2000", "10"}, {"2250", "10"}, {"2550", "10"}, {"2800", "10"}};
    click(button("cmdAddNew"));
    fakes.messages.answers = {Answer::Yes}; // 20 MPG against 30
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        enter(QDate(2006, 9, 16).addDays(7 * static_cast<int>(i)), entries[i].miles,
              entries[i].gallons);
    }
    click(button("cmdDoneAdding"));
    ASSERT_EQ(window->tracker().log().fillup_count(), 8);

    click(button("cmdPlot"));
    settle();
    auto* plot = window->findChild<ui::MileagePlotWindow*>(QStringLiteral("B08_MileagePlot"));
    ASSERT_NE(plot, nullptr);
    QPointer<QWidget> guard(plot);
    EXPECT_TRUE(plot->isVisible());
    EXPECT_EQ(plot->windowModality(), Qt::WindowModal);
    EXPECT_EQ(plot->windowTitle(), "Gas Mileage Plot");
    EXPECT_TRUE(all_main_buttons_enabled(false));
    auto label = [&](const char* name) {
        return child<QLabel>(plot, QString::fromLatin1(name))->text();
    };
    EXPECT_EQ(label("lblMin"), "19.0");
    EXPECT_EQ(label("lblMid"), "25.5");
    EXPECT_EQ(label("lblMax"), "32.0");
    EXPECT_EQ(label("lblDateMin"), "9/16/2006");
    EXPECT_EQ(label("lblDateMax"), "11/4/2006");
    EXPECT_EQ(label("lblY_MPG"), "MPG");

    QWidget* area = child<QWidget>(plot, QStringLiteral("picPlot"));
    const QColor blue(0, 0, 255), lime(0, 255, 0), black(0, 0, 0), magenta(255, 0, 255),
        red(255, 0, 0);
    // As it opens: overall (lime) and five-tank (black) only.
    QImage image = area->grab().toImage();
    EXPECT_GT(pixels_near(image, lime), 20);
    EXPECT_GT(pixels_near(image, black), 50);
    EXPECT_EQ(pixels_near(image, blue), 0);
    EXPECT_EQ(pixels_near(image, magenta), 0);

    for (const char* name :
         {"chkShow_Tank_Average", "chkShow_EPA_Uncorrected", "chkShow_EPA_Corrected"}) {
        click(child<QCheckBox>(plot, QString::fromLatin1(name)));
    }
    image = area->grab().toImage();
    EXPECT_GT(pixels_near(image, blue), 50);
    EXPECT_GT(pixels_near(image, magenta), 50); // U = 20.28 lies inside 19..32
    EXPECT_EQ(pixels_near(image, red), 0);      // K = 17 lies below: clipped, no wider range
    EXPECT_EQ(label("lblMin"), "19.0");

    for (QCheckBox* c : plot->findChildren<QCheckBox*>()) {
        c->setChecked(false);
    }
    image = area->grab().toImage();
    for (const QColor& c : {blue, lime, black, magenta, red}) {
        EXPECT_EQ(pixels_near(image, c), 0) << c.name().toStdString();
    }
    EXPECT_EQ(label("lblMax"), "32.0");

    fakes.printer.pdf_path = path("plot.pdf");
    click(child<QPushButton>(plot, QStringLiteral("cmdPrintPlot")));
    ASSERT_EQ(fakes.printer.printed.size(), 1U);
    EXPECT_EQ(fakes.printer.printed[0], ui::Orientation::Landscape);
    EXPECT_EQ(fakes.printer.printed_windows[0], "B08_MileagePlot");
    EXPECT_EQ(slurp(path("plot.pdf")).substr(0, 5), "%PDF-");
    click(child<QPushButton>(plot, QStringLiteral("cmdHelp")));
    EXPECT_EQ(fakes.help.topics, QStringList{"What_s_Your_True_MPG.htm"});

    click(child<QPushButton>(plot, QStringLiteral("cmdDonePlot")));
    settle();
    EXPECT_TRUE(guard.isNull());
    EXPECT_TRUE(all_main_buttons_enabled(true));
    expected_modal_windows().clear();
}

TEST_F(MileageWindowTest, ThePlotReadsTheEpaFiguresOfTheCarData) {
    expected_modal_windows() = {QStringLiteral("B08_MileagePlot")};
    app.state().car.Global_EPA_City_MPG = 30;
    app.state().car.Global_EPA_Highway_MPG = 40;
    enter_log(3);
    click(button("cmdPlot"));
    auto* plot = window->findChild<ui::MileagePlotWindow*>(QStringLiteral("B08_MileagePlot"));
    ASSERT_NE(plot, nullptr);
    ASSERT_TRUE(plot->epa());
    EXPECT_EQ(plot->epa()->K, 29.0F); // U = 33.8, 86 % of it 29.07
    plot->close();
    settle();
    expected_modal_windows().clear();
}

// Writes pictures of the tracker and the plot for a look at the layout: MILORA_SHOT_DIR=folder.
TEST_F(MileageWindowTest, WritesScreenshotsWhenAsked) {
    const QString out = QString::fromLocal8Bit(qgetenv("MILORA_SHOT_DIR"));
    if (out.isEmpty()) {
        return;
    }
    expected_modal_windows() = {QStringLiteral("B08_MileagePlot")};
    const int miles[] = {0, 270, 300, 330, 255, 345, 285, 315, 360, 240, 300, 330};
    click(button("cmdAddNew"));
    int odometer = 41250;
    for (int i = 0; i < 12; ++i) {
        odometer += miles[i];
        enter(QDate(2006, 9, 16).addDays(9 * i), std::to_string(odometer).c_str(),
              i == 0 ? "12.4" : "15");
    }
    ASSERT_EQ(window->tracker().log().fillup_count(), 12);
    type_into(box("txtMiles"), QStringLiteral("45000"));
    window->grab().save(out + QStringLiteral("/tracker_entry_frame.png"));
    click(button("cmdDoneAdding"));
    settle();
    window->grab().save(out + QStringLiteral("/tracker_list.png"));
    click(button("cmdPrintSummary"));
    window->grab().save(out + QStringLiteral("/tracker_summary.png"));
    click(button("cmdPlot"));
    auto* plot = window->findChild<ui::MileagePlotWindow*>(QStringLiteral("B08_MileagePlot"));
    ASSERT_NE(plot, nullptr);
    for (QCheckBox* c : plot->findChildren<QCheckBox*>()) {
        c->setChecked(true);
    }
    settle();
    plot->grab().save(out + QStringLiteral("/plot_all_series.png"));
    plot->close();
    settle();
    expected_modal_windows().clear();

    // Dates of a file in other forms, a long one running further left.
    ASSERT_TRUE(write_file_atomically(path("forms.miloragas").toStdString(),
                                      "\"9/16/06\",1000,10\r\n\"Sept 23, 2006\",1300,10\r\n"
                                      "\"2006-09-30\",1600,10\r\n"));
    fakes.messages.answers = {Answer::Yes};
    fakes.files.open_answers = {path("forms.miloragas")};
    click(button("cmdOpen"));
    settle();
    window->grab().save(out + QStringLiteral("/tracker_date_forms.png"));
}

TEST_F(MileageWindowTest, EnterAddsThePurchaseAndEscapeFinishes) {
    click(button("cmdAddNew"));
    child<ui::MileageDateBox>(window, QStringLiteral("DTPicker1"))->setDate(QDate(2006, 9, 16));
    // Thousands separators are read as in the calculator boxes: "12,345" is 12345, not 12.
    type_into(box("txtMiles"), QStringLiteral("12,345"));
    type_into(box("txtGallons"), QStringLiteral("10"));
    QTest::keyClick(box("txtGallons"), Qt::Key_Return);
    ASSERT_EQ(window->tracker().log().fillup_count(), 1);
    EXPECT_EQ(window->tracker().log().entry(1).Fillup_Odometer, 12345.0F);
    type_into(box("txtMiles"), QStringLiteral("12,645"));
    type_into(box("txtGallons"), QStringLiteral("10"));
    QTest::keyClick(box("txtMiles"), Qt::Key_Enter);
    ASSERT_EQ(window->tracker().log().fillup_count(), 2);
    EXPECT_EQ(window->tracker().log().entry(2).Fillup_Odometer, 12645.0F);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_TRUE(child<QGroupBox>(window, QStringLiteral("fraAddNew"))->isVisible());

    // A refused box: Enter shows the message as the button does.
    type_into(box("txtMiles"), QStringLiteral("12,64"));
    QTest::keyClick(box("txtMiles"), Qt::Key_Return);
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].text,
              "Please enter a valid number for your odometer reading.");
    EXPECT_EQ(window->tracker().log().fillup_count(), 2);

    QTest::keyClick(box("txtMiles"), Qt::Key_Escape);
    EXPECT_FALSE(child<QGroupBox>(window, QStringLiteral("fraAddNew"))->isVisible());
    EXPECT_TRUE(all_main_buttons_enabled(true));
    // Outside the entry frame, and on no button, Enter does nothing.
    list()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(window->tracker().log().fillup_count(), 2);
    EXPECT_FALSE(child<QGroupBox>(window, QStringLiteral("fraAddNew"))->isVisible());
}

TEST_F(MileageWindowTest, DatesHaveAFourDigitYearInTheLocalesOrder) {
    const QDate day(2026, 12, 9);
    const struct {
        QLocale locale;
        const char* text;
    } cases[] = {{QLocale(QLocale::English, QLocale::UnitedStates), "12/9/2026"},
                 {QLocale::c(), "12/9/2026"}, // as the import writes its dates
                 {QLocale(QLocale::German, QLocale::Germany), "09.12.2026"},
                 {QLocale(QLocale::English, QLocale::UnitedKingdom), "09/12/2026"}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.locale.toString(day, ui::fillup_date_format(c.locale)), c.text) << c.text;
    }
    // The picker shows the same form, and an entry gets it in the list and the file.
    for (const auto& c : {cases[0], cases[1]}) {
        QLocale::setDefault(c.locale);
        MileageWindow other(app);
        auto* picker = child<ui::MileageDateBox>(&other, QStringLiteral("DTPicker1"));
        picker->setDate(day);
        EXPECT_EQ(picker->text(), c.text);
        EXPECT_EQ(other.picker_date_text(), c.text);
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    click(button("cmdAddNew"));
    enter(day, "1000", "10");
    click(button("cmdDoneAdding"));
    EXPECT_EQ(list()->shown_text(), " 12/9/2026       1000          10.0             XXXX     "
                                    "     XXXX   ");
    fakes.files.save_answers = {path("dates.miloragas")};
    click(button("cmdSave"));
    EXPECT_EQ(slurp(path("dates.miloragas")), "\"12/9/2026\",1000,10\r\n");
}

TEST_F(MileageWindowTest, ADateFromAFileIsKeptAndALongOneRunsFurtherLeft) {
    ASSERT_TRUE(write_file_atomically(path("old.miloragas").toStdString(),
                                      "\"9/16/06\",1000,10\r\n\"Sept 23, 2006\",1300,10\r\n"));
    fakes.files.open_answers = {path("old.miloragas")};
    click(button("cmdOpen"));
    const QStringList rows = list()->shown_text().split(QLatin1Char('\n'));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].left(21), "   9/16/06       1000");
    EXPECT_EQ(rows[1].left(24), "Sept 23, 2006       1300");
    QAbstractItemModel* m = list()->model();
    EXPECT_EQ(m->index(0, 0).data(ui::MileageListModel::LeadRole).toInt(), 0);
    EXPECT_EQ(m->index(1, 0).data(ui::MileageListModel::LeadRole).toInt(), 3);
    // Both odometer readings end at the same place on the screen.
    EXPECT_GE(list()->column_x(-3), 0.0);
    fakes.files.save_answers = {path("again.miloragas")};
    click(button("cmdSave"));
    EXPECT_EQ(slurp(path("again.miloragas")),
              "\"9/16/06\",1000,10\r\n\"Sept 23, 2006\",1300,10\r\n");
}

TEST_F(MileageWindowTest, ReadingALongFileShowsProgressAndACancelKeepsTheLog) {
    enter_log(3);
    const QString before = list()->shown_text();
    std::string text;
    for (int i = 0; i < 100000; ++i) {
        text += "\"9/16/2006\"," + std::to_string(1000 + 300 * i) + ",10\r\n";
    }
    ASSERT_TRUE(write_file_atomically(path("long.miloragas").toStdString(), text));

    int progress_seen = 0;
    bool cancel = true;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* p = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (p != nullptr && p->isVisible()) {
            ++progress_seen;
            if (cancel) {
                p->cancel();
            }
        }
    });
    watch.start(0);
    expected_modal_windows() = {QStringLiteral("prgReading")};
    fakes.messages.answers = {Answer::Yes}; // unsaved entries: load another file anyway
    fakes.files.open_answers = {path("long.miloragas")};
    click(button("cmdOpen"));
    EXPECT_GT(progress_seen, 0);
    EXPECT_EQ(window->tracker().log().fillup_count(), 3);
    EXPECT_EQ(list()->shown_text(), before);
    EXPECT_EQ(window->windowTitle(), "Track Your Gas Mileage");
    EXPECT_TRUE(window->tracker().data_changed());

    cancel = false;
    progress_seen = 0;
    fakes.messages.answers = {Answer::Yes};
    fakes.files.open_answers = {path("long.miloragas")};
    click(button("cmdOpen"));
    watch.stop();
    EXPECT_GT(progress_seen, 0);
    EXPECT_EQ(window->tracker().log().fillup_count(), 100000);
    EXPECT_EQ(list()->model()->rowCount(), 100000);
    EXPECT_FALSE(window->tracker().data_changed());
    settle();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    expected_modal_windows().clear();
}

TEST_F(MileageWindowTest, AnUnsavedLogIsRescuedWhenTheProgramGoesDownAndToldOfNextTime) {
    QFile::remove(MileageWindow::recovery_path());
    // Nothing unsaved: nothing written.
    MileageWindow::save_unsaved_logs_for_recovery();
    EXPECT_FALSE(QFile::exists(MileageWindow::recovery_path()));
    enter_log(3);
    MileageWindow::save_unsaved_logs_for_recovery();
    ASSERT_TRUE(QFile::exists(MileageWindow::recovery_path()));
    const std::string rescued = slurp(MileageWindow::recovery_path());
    EXPECT_EQ(rescued, mileage::mileage_file_text(window->tracker().log()));

    // The next tracker says where the entries are and keeps them under a name of their own.
    auto* next = new MileageWindow(app);
    show_active(next);
    settle();
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    const std::string& said = fakes.messages.shown[0].text;
    EXPECT_NE(said.find("were not saved"), std::string::npos) << said;
    EXPECT_FALSE(QFile::exists(MileageWindow::recovery_path()));
    const auto start = said.find("Rescued mileage log ");
    ASSERT_NE(start, std::string::npos);
    const auto end = said.find(".miloragas", start);
    const QString kept = QDir(ui::program_folder())
                             .filePath(QString::fromStdString(said.substr(start, end - start)) +
                                       QStringLiteral(".miloragas"));
    EXPECT_EQ(slurp(kept), rescued);
    QFile::remove(kept);
    next->close();
    settle();
    // Said once only.
    auto* third = new MileageWindow(app);
    show_active(third);
    settle();
    EXPECT_EQ(fakes.messages.shown.size(), 1U);
    third->close();
    settle();
}

TEST_F(MileageWindowTest, AnExceptionEscapingIntoTheEventLoopRescuesTheUnsavedLog) {
    QFile::remove(MileageWindow::recovery_path());
    enter_log(3);
    const std::string expected = mileage::mileage_file_text(window->tracker().log());
    // As in main(): nothing catches what Qt passes on out of its event loop.
    const auto event_loop = []() noexcept { QApplication::exec(); };
    EXPECT_DEATH(
        {
            QTimer::singleShot(0, [] { throw std::bad_alloc(); });
            event_loop();
        },
        "");
    EXPECT_EQ(slurp(MileageWindow::recovery_path()), expected);
    QFile::remove(MileageWindow::recovery_path());
}

TEST_F(MileageWindowTest, ADateIsStoredAsTypedFromWhereverTheFocusCameIn) {
    click(button("cmdAddNew"));
    auto* date = child<ui::MileageDateBox>(window, QStringLiteral("DTPicker1"));
    const char* const typed[] = {"2/2/2024", "02/02/2024", "2-2-2024", "2024-02-02", "020224"};
    // How the focus came into the box: Shift+Tab back from the odometer box (the whole text is
    // selected), a click into the middle of the text and Ctrl+A, a click at its end and
    // Backspace over what it held.
    const char* const ways[] = {"Shift+Tab", "click middle, Ctrl+A", "click end, Backspace"};
    int odometer = 1000;
    std::printf("%-12s %-22s %s\n", "typed", "focus", "stored");
    for (const char* text : typed) {
        for (const char* way : ways) {
            const std::string how = way;
            if (how == "Shift+Tab") {
                box("txtMiles")->setFocus(Qt::OtherFocusReason);
                QTest::keyClick(box("txtMiles"), Qt::Key_Backtab, Qt::ShiftModifier);
            } else {
                const bool end = how.find("end") != std::string::npos;
                const QRect r = date->rect();
                QTest::mouseClick(date, Qt::LeftButton, {},
                                  QPoint(end ? r.width() - 40 : r.width() / 4, r.height() / 2));
                if (end) {
                    QTest::keyClick(date, Qt::Key_End);
                    for (int i = 0; i < 12; ++i) {
                        QTest::keyClick(date, Qt::Key_Backspace);
                    }
                } else {
                    QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
                }
            }
            ASSERT_EQ(QApplication::focusWidget(), date) << way;
            QTest::keyClicks(date, QString::fromLatin1(text));
            odometer += 300;
            type_into(box("txtMiles"), QString::number(odometer));
            type_into(box("txtGallons"), QStringLiteral("10"));
            QTest::keyClick(box("txtGallons"), Qt::Key_Return);
            const std::string stored = window->tracker().log().last().Fillup_Date;
            std::printf("%-12s %-22s %s\n", text, way, stored.c_str());
            EXPECT_EQ(stored, "2/2/2024") << text << ", " << way;
        }
    }
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(window->tracker().log().fillup_count(),
              static_cast<int>(std::size(typed) * std::size(ways)));
}

TEST_F(MileageWindowTest, ABadDateIsRefusedAndAnOddOneAskedAboutKeepingWhatWasTyped) {
    click(button("cmdAddNew"));
    auto* date = child<ui::MileageDateBox>(window, QStringLiteral("DTPicker1"));
    const QString future =
        QLocale().toString(QDate::currentDate().addDays(3), QStringLiteral("M/d/yyyy"));
    const struct {
        QString text;
        const char* title;
    } cases[] = {{QStringLiteral("2/30/2024"), "Data Error"},
                 {QStringLiteral("2/2"), "Data Error"},
                 {future, "Is Your Data Correct?"}};
    for (const auto& c : cases) {
        fakes.messages.answers = {Answer::No}; // the question's answer; an OK box takes none
        type_into(date, c.text);
        type_into(box("txtMiles"), QStringLiteral("1000"));
        type_into(box("txtGallons"), QStringLiteral("10"));
        QTest::keyClick(box("txtGallons"), Qt::Key_Return);
        ASSERT_FALSE(fakes.messages.shown.empty());
        EXPECT_EQ(fakes.messages.shown.back().title, c.title);
        EXPECT_EQ(window->tracker().log().fillup_count(), 0);
        EXPECT_EQ(date->text(), c.text); // kept as typed
        EXPECT_EQ(QApplication::focusWidget(), date);
        EXPECT_EQ(box("txtMiles")->text(), "1000");
        fakes.messages.answers.clear();
    }
    EXPECT_NE(fakes.messages.shown[0].text.find("valid date"), std::string::npos);
    EXPECT_EQ(fakes.messages.shown.back().default_answer, Answer::No);
}

TEST_F(MileageWindowTest, EnterPressesTheFocusedButton) {
    enter_log(2);
    click(button("cmdAddNew"));
    child<ui::MileageDateBox>(window, QStringLiteral("DTPicker1"))->setDate(QDate(2006, 10, 7));
    type_into(box("txtMiles"), QStringLiteral("1900"));
    type_into(box("txtGallons"), QStringLiteral("40")); // 10 MPG as a plain purchase
    fakes.messages.answers = {Answer::Yes};             // "Is This The Right Option?"
    button("cmdAdd_With_Missing")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button("cmdAdd_With_Missing"), Qt::Key_Return);
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].title, "Is This The Right Option?");
    EXPECT_EQ(fakes.messages.shown[0].default_answer, Answer::No);
    ASSERT_EQ(window->tracker().log().fillup_count(), 3);
    EXPECT_EQ(window->tracker().log().last().Fillup_Gallons, 20.0F); // at the average, not 40

    type_into(box("txtMiles"), QStringLiteral("2200"));
    type_into(box("txtGallons"), QStringLiteral("10"));
    button("cmdDoneAdding")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button("cmdDoneAdding"), Qt::Key_Enter);
    EXPECT_EQ(window->tracker().log().fillup_count(), 3); // finished, nothing added
    EXPECT_FALSE(child<QGroupBox>(window, QStringLiteral("fraAddNew"))->isVisible());

    // A main button too, and in the plot window.
    expected_modal_windows() = {QStringLiteral("B08_MileagePlot")};
    button("cmdPlot")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button("cmdPlot"), Qt::Key_Return);
    auto* plot = window->findChild<ui::MileagePlotWindow*>(QStringLiteral("B08_MileagePlot"));
    ASSERT_NE(plot, nullptr);
    show_active(plot);
    QPointer<QWidget> guard(plot);
    auto* help = child<QPushButton>(plot, QStringLiteral("cmdHelp"));
    help->setFocus(Qt::TabFocusReason);
    QTest::keyClick(help, Qt::Key_Return);
    EXPECT_EQ(fakes.help.topics, QStringList{"What_s_Your_True_MPG.htm"});
    EXPECT_FALSE(guard.isNull());
    auto* done = child<QPushButton>(plot, QStringLiteral("cmdDonePlot"));
    done->setFocus(Qt::TabFocusReason);
    QTest::keyClick(done, Qt::Key_Return);
    settle();
    EXPECT_TRUE(guard.isNull());
    expected_modal_windows().clear();
}

TEST_F(MileageWindowTest, TheEditMenuDeletesAndChangesTheSelectedEntryAndUndoesIt) {
    enter_log(4);
    const QString four = list()->shown_text();
    auto* undo = window->findChild<QAction*>(QStringLiteral("mnuUndo"));
    auto* del = window->findChild<QAction*>(QStringLiteral("mnuDelete_Entry"));
    auto* edit = window->findChild<QAction*>(QStringLiteral("mnuEdit_Entry"));
    ASSERT_TRUE(undo && del && edit);
    EXPECT_EQ(undo->text(), "&Undo");
    EXPECT_EQ(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_FALSE(del->isEnabled()); // nothing selected
    auto select_row = [&](int row) {
        list()->setFocus();
        list()->selectionModel()->select(list()->model()->index(row, 0),
                                         QItemSelectionModel::ClearAndSelect);
    };
    select_row(1); // entry 2: the list shows no empty first line

    ASSERT_TRUE(del->isEnabled());
    fakes.messages.answers = {Answer::Yes};
    del->trigger();
    EXPECT_EQ(fakes.messages.shown.back().title, "Delete Entry?");
    ASSERT_EQ(window->tracker().log().fillup_count(), 3);
    EXPECT_EQ(window->tracker().log().entry(2).Tank_MPG, 60.0F); // recomputed without it
    EXPECT_EQ(list()->shown_text(), shown(mileage::list_text(window->tracker().log())));

    // Edit Entry: a refused box keeps the dialog open; OK changes the entry.
    expected_modal_windows() = {QStringLiteral("dlgEdit_Entry")};
    select_row(1);
    bool refused_seen = false;
    QTimer::singleShot(0, window, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(child<QLineEdit>(dialog, QStringLiteral("txtMiles"))->text(), "1600");
        type_into(child<QLineEdit>(dialog, QStringLiteral("txtGallons")), QStringLiteral("0"));
        click(child<QPushButton>(dialog, QStringLiteral("cmdOK")));
        refused_seen = dialog->isVisible();
        type_into(child<QLineEdit>(dialog, QStringLiteral("txtMiles")), QStringLiteral("1450"));
        type_into(child<QLineEdit>(dialog, QStringLiteral("txtGallons")), QStringLiteral("15"));
        click(child<QPushButton>(dialog, QStringLiteral("cmdOK")));
    });
    edit->trigger();
    EXPECT_TRUE(refused_seen);
    EXPECT_EQ(fakes.messages.shown.back().title, "Data Error");
    EXPECT_EQ(window->tracker().log().entry(2).Fillup_Odometer, 1450.0F);
    EXPECT_EQ(window->tracker().log().entry(2).Tank_MPG, 30.0F); // 450 miles on 15 gallons
    expected_modal_windows().clear();

    // Ctrl+Z twice brings the four entries back.
    show_active(window);
    list()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->tracker().log().entry(2).Fillup_Odometer, 1600.0F);
    QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(list()->shown_text(), four);
    EXPECT_TRUE(window->tracker().data_changed());
}

TEST_F(MileageWindowTest, RunningOutOfMemoryRescuesTheUnsavedLogAndSaysWhere) {
    QFile::remove(MileageWindow::recovery_path());
    const std::string nothing = ui::rescue_on_out_of_memory();
    EXPECT_EQ(nothing, "Milora: there is not enough memory to go on; the program was stopped.");
    EXPECT_FALSE(QFile::exists(MileageWindow::recovery_path()));

    enter_log(3);
    const std::string said = ui::rescue_on_out_of_memory();
    EXPECT_NE(said.find(ui::path_text(QDir::toNativeSeparators(MileageWindow::recovery_path()))),
              std::string::npos)
        << said;
    EXPECT_EQ(slurp(MileageWindow::recovery_path()),
              mileage::mileage_file_text(window->tracker().log()));
    QFile::remove(MileageWindow::recovery_path());
}

TEST_F(MileageWindowTest, TheUnitsMenuChangesWhatIsShownAndTypedAndIsRemembered) {
    QSettings().remove(QStringLiteral("Settings/MileageUnits"));
    enter_log(3);
    const QString miles_list = list()->shown_text();
    auto* litres = window->findChild<QAction*>(QStringLiteral("mnuUnits_L100km"));
    ASSERT_NE(litres, nullptr);
    EXPECT_EQ(litres->text().remove(QLatin1Char('&')), "Kilometres and Litres (L/100 km)");
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("mnuUnits_US"))->isChecked());
    litres->trigger();
    EXPECT_TRUE(litres->isChecked());
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("lblOdometer"))->text(), "Odometer (km)");
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("Label5"))->text(),
              "L/100 km since last fillup");
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("lblGallons"))->text(),
              "Litres Purchased At Fillup");
    EXPECT_EQ(list()->shown_text().section(QLatin1Char('\n'), 1, 1).mid(10, 42),
              "       2092          37.9              7.8");
    // Typed in km and litres, stored in miles and US gallons.
    click(button("cmdAddNew"));
    enter(QDate(2006, 10, 7), "3058", "37.854");
    ASSERT_EQ(window->tracker().log().fillup_count(), 4);
    EXPECT_NEAR(window->tracker().log().last().Fillup_Odometer, 1900.2, 0.1);
    EXPECT_NEAR(window->tracker().log().last().Fillup_Gallons, 10.0, 1e-4);
    click(button("cmdDoneAdding"));
    EXPECT_EQ(QSettings().value(QStringLiteral("Settings/MileageUnits")).toString(), "l100km");

    // A tracker opened later starts in the units chosen; back in miles the list is as before.
    MileageWindow other(app);
    EXPECT_EQ(other.tracker().units(), mileage::Units::LitresPer100Km);
    window->findChild<QAction*>(QStringLiteral("mnuUnits_US"))->trigger();
    EXPECT_TRUE(list()->shown_text().startsWith(miles_list));
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("lblGallons"))->text(),
              "Gallons Purchased At Fillup");
    QSettings().remove(QStringLiteral("Settings/MileageUnits"));
}

TEST_F(MileageWindowTest, APlotLineOutsideTheRangeIsSaidToBeThere) {
    expected_modal_windows() = {QStringLiteral("B08_MileagePlot")};
    enter_log(3); // 30 MPG: range 28 to 32; K = 17 lies below it
    click(button("cmdPlot"));
    auto* plot = window->findChild<ui::MileagePlotWindow*>(QStringLiteral("B08_MileagePlot"));
    ASSERT_NE(plot, nullptr);
    auto* note = child<QLabel>(plot, QStringLiteral("lblHidden_Lines"));
    EXPECT_FALSE(note->isVisible());
    click(child<QCheckBox>(plot, QStringLiteral("chkShow_EPA_Corrected")));
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), "The corrected EPA line, 17.0 MPG, lies below the plotted range.");
    plot->close();
    settle();
    expected_modal_windows().clear();
}

// Pictures of the tracker in each of its units: MILORA_SHOT_DIR=folder.
TEST_F(MileageWindowTest, WritesScreenshotsInEveryUnitWhenAsked) {
    const QString out = QString::fromLocal8Bit(qgetenv("MILORA_SHOT_DIR"));
    if (out.isEmpty()) {
        return;
    }
    const int miles[] = {0, 270, 300, 330, 255, 345, 285, 315};
    click(button("cmdAddNew"));
    int odometer = 41250;
    for (int i = 0; i < 8; ++i) {
        odometer += miles[i];
        enter(QDate(2024, 1, 6).addDays(9 * i), std::to_string(odometer).c_str(),
              i == 0 ? "12.4" : "10.5");
    }
    click(button("cmdDoneAdding"));
    for (const mileage::UnitsDesc& u : mileage::all_units()) {
        window->findChild<QAction*>(QString::fromLatin1(u.menu_name))->trigger();
        click(button("cmdAddNew"));
        settle();
        window->grab().save(
            out + QStringLiteral("/tracker_units_%1.png").arg(QString::fromLatin1(u.key)));
        click(button("cmdDoneAdding"));
    }
    window->findChild<QAction*>(QStringLiteral("mnuUnits_US"))->trigger();
    QSettings().remove(QStringLiteral("Settings/MileageUnits"));
}

TEST_F(MileageWindowTest, EveryMenuAndItemHasAnAltLetterOfItsOwnAndKeepsItsText) {
    auto* bar = window->findChild<QMenuBar*>(QStringLiteral("mnuBar"));
    ASSERT_NE(bar, nullptr);
    QStringList texts;
    QString bar_letters;
    for (QAction* top : bar->actions()) {
        const QChar letter = ui::mnemonic_of(top->text());
        EXPECT_FALSE(letter.isNull()) << top->text().toStdString();
        EXPECT_FALSE(bar_letters.contains(letter)) << top->text().toStdString();
        bar_letters += letter;
        texts << top->text().remove(QLatin1Char('&')) + QLatin1Char(':');
        QString letters;
        for (QAction* item : top->menu()->actions()) {
            const QChar own = ui::mnemonic_of(item->text());
            EXPECT_FALSE(own.isNull()) << item->objectName().toStdString();
            EXPECT_FALSE(letters.contains(own)) << item->objectName().toStdString();
            letters += own;
            texts << item->text().remove(QLatin1Char('&'));
        }
    }
    EXPECT_EQ(
        texts.join(u'|').toStdString(),
        "Edit:|Undo|Delete Entry|Edit Entry...|View:|Show the List|Units:|"
        "Miles and US Gallons (MPG)|Miles and Imperial Gallons (MPG)|"
        "Kilometres and Litres (L/100 km)|Kilometres and Litres (km/L)|Tools:|Use In Calculators");

    // The letter of an item chooses it from the keyboard.
    auto* units = window->findChild<QMenu*>(QStringLiteral("mnuUnits"));
    auto* km_per_litre = window->findChild<QAction*>(QStringLiteral("mnuUnits_KmL"));
    ASSERT_NE(units, nullptr);
    ASSERT_NE(km_per_litre, nullptr);
    const QChar letter = ui::mnemonic_of(km_per_litre->text());
    ASSERT_FALSE(letter.isNull());
    units->popup(window->mapToGlobal(QPoint(0, 0)));
    QTest::keyClick(units, letter.toLatin1());
    settle();
    EXPECT_TRUE(km_per_litre->isChecked());
    window->findChild<QAction*>(QStringLiteral("mnuUnits_US"))->trigger();
    QSettings().remove(QStringLiteral("Settings/MileageUnits"));
}
