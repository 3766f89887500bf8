// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_window.h"

#include "base/atomic_file.h"
#include "mileage/entry_list.h"
#include "mileage/summary.h"
#include "ui/application.h"
#include "ui/mileage_plot_window.h"
#include "ui/program_folder.h"
#include "ui/support/fake_services.h"
#include "ui/support/window_helpers.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

using namespace milora;
using namespace milora::test;
using mileage::MileageWindow;

namespace {

const char* const kMainButtons[] = {"cmdNew",        "cmdOpen",      "cmdSave",         "cmdExit",
                                    "cmdAddNew",     "cmdPlot",      "cmdPrintSummary", "cmdHelp",
                                    "cmdExport_CSV", "cmdImport_CSV"};

class MileageWindowTest : public ::testing::Test {
protected:
    FakeServices fakes;
    ui::Application app{fakes.services()};
    QPointer<MileageWindow> window;
    QTemporaryDir dir;
    QLocale saved_locale;

    void SetUp() override {
        // Dates in the list are the system's short form; the tests fix it to the US form.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        app.add_window_factory(QStringLiteral("B07_Mileage"),
                               [](ui::Application& a) { return new MileageWindow(a); });
        window = qobject_cast<MileageWindow*>(app.open_window(QStringLiteral("B07_Mileage")));
        ASSERT_NE(window, nullptr);
        show_active(window);
    }
    void TearDown() override {
        if (window) {
            if (window->tracker().Data_Changed()) {
                fakes.messages.answers.push_back(Answer::Yes);
            }
            window->close();
        }
        settle();
        QLocale::setDefault(saved_locale);
        EXPECT_TRUE(fakes.messages.answers.empty()) << "an expected question did not come";
        EXPECT_TRUE(fakes.files.open_answers.empty()) << "an expected dialog did not come";
        EXPECT_TRUE(fakes.files.save_answers.empty()) << "an expected dialog did not come";
    }

    QPushButton* button(const char* name) {
        return child<QPushButton>(window, QString::fromLatin1(name));
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(window, QString::fromLatin1(name)); }
    QPlainTextEdit* list() { return child<QPlainTextEdit>(window, QStringLiteral("txtMileage")); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // Types one fill-up into the open entry frame and clicks Add Purchase.
    void enter(QDate date, const char* miles, const char* gallons,
               const char* button_name = "cmdAddEntry") {
        child<QDateEdit>(window, QStringLiteral("DTPicker1"))->setDate(date);
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
    static QString shown(const std::string& crlf_text) {
        return QString::fromStdString(crlf_text).remove(QLatin1Char('\r'));
    }
    bool all_main_buttons_enabled(bool on) {
        for (const char* name : kMainButtons) {
            if (button(name)->isEnabled() != on) {
                return false;
            }
        }
        return true;
    }
    static std::string slurp(const QString& p) {
        std::string s;
        read_whole_file(p.toStdString(), s);
        return s;
    }
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
    EXPECT_EQ(list()->toPlainText(), "");
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
    EXPECT_EQ(child<QDateEdit>(window, QStringLiteral("DTPicker1"))->toolTip(),
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
    EXPECT_EQ(list()->toPlainText(), "\n"
                                     " 9/16/2006"
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
    EXPECT_TRUE(window->tracker().Data_Changed());
}

TEST_F(MileageWindowTest, ThePlausibilityQuestionsAreAnsweredYesOrNo) {
    enter_log(3); // 30 MPG
    click(button("cmdAddNew"));
    fakes.messages.answers = {Answer::No};
    enter(QDate(2006, 10, 7), "1900", "6.6");
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].title, "Is Your Data Correct?");
    EXPECT_NE(fakes.messages.shown[0].text.find("more than 50% greater"), std::string::npos);
    EXPECT_EQ(window->tracker().log().Fillup_Count(), 3);
    EXPECT_EQ(box("txtGallons")->text(), "6.6");

    fakes.messages.answers = {Answer::Yes};
    enter(QDate(2006, 10, 7), "1900", "13.4");
    ASSERT_EQ(fakes.messages.shown.size(), 2U);
    EXPECT_NE(fakes.messages.shown[1].text.find("25% or more lower"), std::string::npos);
    EXPECT_EQ(window->tracker().log().Fillup_Count(), 4);
    const QString last = list()->toPlainText().section(QLatin1Char('\n'), -1);
    EXPECT_EQ(last.mid(31, 4), "13.4");
    EXPECT_EQ(last.mid(48, 4), "22.4");
    EXPECT_EQ(last.mid(63, 4), "26.9"); // 900 miles / 33.4 gallons

    enter(QDate(2006, 10, 14), "2200", "12"); // 25 MPG against an average of 26.9: no question
    EXPECT_EQ(fakes.messages.shown.size(), 2U);
    EXPECT_EQ(window->tracker().log().Fillup_Count(), 5);
}

TEST_F(MileageWindowTest, MissingDataEntryStoresGallonsAtTheAverage) {
    enter_log(2);
    click(button("cmdAddNew"));
    fakes.messages.answers = {Answer::Yes};
    enter(QDate(2006, 10, 7), "1900", "5", "cmdAdd_With_Missing");
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].title, "Is This The Right Option?");
    EXPECT_TRUE(list()->toPlainText().endsWith(QStringLiteral(" 10/7/2006"
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
    const QTextBlock line = list()->document()->findBlockByNumber(2);
    const struct {
        const char* heading;
        int column;
    } cases[] = {{"Label5", 50}, {"Label6", 65}, {"lblOdometer", 18}, {"Label4", 33}};
    for (const auto& c : cases) {
        QTextCursor at(line);
        at.setPosition(line.position() + c.column);
        const QPoint x = list()->viewport()->mapTo(window, list()->cursorRect(at).topLeft());
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
    EXPECT_EQ(list()->toPlainText(), shown(mileage::summary_text(window->tracker().log()).value()));
    EXPECT_NE(list()->toPlainText().indexOf(
                  QStringLiteral("Your lowest single-tank MPG was 25.0 on 9/30/2006.")),
              -1);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_TRUE(fakes.printer.printed.empty()); // nothing goes to a printer
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
    EXPECT_TRUE(window->tracker().Data_Changed()); // an export is no save
    const QString before = list()->toPlainText();

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
    EXPECT_EQ(list()->toPlainText(), before);
    EXPECT_EQ(window->tracker().log().Fillup_Count(), 4);

    fakes.messages.answers = {Answer::Yes};
    fakes.files.open_answers = {csv};
    click(button("cmdImport_CSV"));
    EXPECT_EQ(list()->toPlainText(), before);
    EXPECT_EQ(window->windowTitle(), "Track Your Gas Mileage");
    EXPECT_TRUE(window->tracker().Data_Changed());
    EXPECT_EQ(fakes.messages.shown.size(), 3U);
}

TEST_F(MileageWindowTest, SaveOpenAndClearData) {
    enter_log(3);
    const QString file = path("car.miloragas");
    fakes.files.save_answers = {path("no/such/folder/car.miloragas"), file};
    click(button("cmdSave"));
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_NE(fakes.messages.shown[0].text.find("could not be saved"), std::string::npos);
    EXPECT_TRUE(window->tracker().Data_Changed());
    click(button("cmdSave"));
    EXPECT_EQ(fakes.files.save_requests[1].title, "Save Mileage File");
    EXPECT_EQ(fakes.files.save_requests[1].filter, "Files (*.miloragas)");
    EXPECT_EQ(fakes.files.save_requests[1].default_suffix, "miloragas");
    EXPECT_FALSE(window->tracker().Data_Changed());
    EXPECT_EQ(window->windowTitle(), "Track Your Gas Mileage"); // Save leaves the caption
    const QString before = list()->toPlainText();

    // Nothing unsaved: Clear Data asks nothing.
    click(button("cmdNew"));
    EXPECT_EQ(list()->toPlainText(), "");
    EXPECT_FALSE(button("cmdPlot")->isEnabled());
    EXPECT_EQ(fakes.messages.shown.size(), 1U);

    fakes.files.open_answers = {QString(), file};
    click(button("cmdOpen")); // cancelled
    EXPECT_EQ(list()->toPlainText(), "");
    click(button("cmdOpen"));
    EXPECT_EQ(fakes.files.open_requests[1].title, "Open Mileage File");
    EXPECT_EQ(fakes.files.open_requests[1].default_suffix, "miloragas");
    EXPECT_EQ(list()->toPlainText(), before);
    EXPECT_EQ(window->windowTitle(), "Track Your Gas Mileage-" + file);
    EXPECT_TRUE(button("cmdPlot")->isEnabled());

    // With an unsaved entry, Clear Data asks; No keeps everything.
    click(button("cmdAddNew"));
    enter(QDate(2006, 10, 7), "1900", "10");
    click(button("cmdDoneAdding"));
    fakes.messages.answers = {Answer::No, Answer::Yes};
    click(button("cmdNew"));
    EXPECT_EQ(window->tracker().log().Fillup_Count(), 4);
    click(button("cmdNew"));
    EXPECT_EQ(window->tracker().log().Fillup_Count(), 0);
    EXPECT_EQ(window->windowTitle(), "Track Your Gas Mileage");
    EXPECT_EQ(fakes.messages.shown.back().title, "Save Modified Data?");
}

TEST_F(MileageWindowTest, AnEntryAddsOneLineToALongList) {
    std::string text;
    for (int i = 0; i < 3000; ++i) {
        text += "\"9/16/06\"," + std::to_string(1000 + 300 * i) + ",10\r\n";
    }
    ASSERT_TRUE(write_file_atomically(path("long.miloragas").toStdString(), text).ok);
    fakes.files.open_answers = {path("long.miloragas")};
    click(button("cmdOpen"));
    ASSERT_EQ(list()->document()->blockCount(), 3001);
    const int length = list()->document()->characterCount();
    int changed_from = -1;
    int removed = -1;
    QObject::connect(list()->document(), &QTextDocument::contentsChange, window,
                     [&](int position, int chars_removed, int) {
                         changed_from = position;
                         removed = chars_removed;
                     });
    click(button("cmdAddNew"));
    enter(QDate(2006, 9, 23), "901000", "10");
    EXPECT_EQ(list()->document()->blockCount(), 3002);
    EXPECT_EQ(removed, 0);
    EXPECT_GE(changed_from, length - 2);
    EXPECT_EQ(list()->toPlainText(), shown(mileage::list_text(window->tracker().log())));
    EXPECT_EQ(list()->textCursor().position(), list()->document()->characterCount() - 1);
}

TEST_F(MileageWindowTest, ExitAsksAboutUnsavedEntriesAlsoFromTheTitleBar) {
    enter_log(1);
    fakes.messages.answers = {Answer::No, Answer::No};
    click(button("cmdExit"));
    settle();
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(fakes.messages.shown.back().title, "Save Modified Data?");
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
    ASSERT_EQ(window->tracker().log().Fillup_Count(), 8);

    click(button("cmdPlot"));
    settle();
    auto* plot = window->findChild<mileage::MileagePlotWindow*>(QStringLiteral("B08_MileagePlot"));
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
    auto* plot = window->findChild<mileage::MileagePlotWindow*>(QStringLiteral("B08_MileagePlot"));
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
    ASSERT_EQ(window->tracker().log().Fillup_Count(), 12);
    type_into(box("txtMiles"), QStringLiteral("45000"));
    window->grab().save(out + QStringLiteral("/tracker_entry_frame.png"));
    click(button("cmdDoneAdding"));
    settle();
    window->grab().save(out + QStringLiteral("/tracker_list.png"));
    click(button("cmdPrintSummary"));
    window->grab().save(out + QStringLiteral("/tracker_summary.png"));
    click(button("cmdPlot"));
    auto* plot = window->findChild<mileage::MileagePlotWindow*>(QStringLiteral("B08_MileagePlot"));
    ASSERT_NE(plot, nullptr);
    for (QCheckBox* c : plot->findChildren<QCheckBox*>()) {
        c->setChecked(true);
    }
    settle();
    plot->grab().save(out + QStringLiteral("/plot_all_series.png"));
    plot->close();
    settle();
    expected_modal_windows().clear();
}
