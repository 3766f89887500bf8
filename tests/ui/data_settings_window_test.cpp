// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/data_settings_window.h"

#include "base/web_links.h"
#include "cardata/car_data_file.h"
#include "numbers/line_reading.h"
#include "ui/application.h"
#include "ui/program_folder.h"
#include "ui/support/fake_services.h"
#include "ui/support/window_helpers.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QTemporaryDir>

using namespace milora;
using namespace milora::test;

namespace {

const Message kPercentMessage{
    "Milora", "You may have typed some incorrect characters for the percentage - please try again.",
    Icon::None, Buttons::Ok};

Message data_error(const char* text) {
    return {"Data Error", text, Icon::Warning, Buttons::Ok};
}

constexpr const char* kCityMessage = "Please enter a valid number for the percentage of your "
                                     "driving done in the city, greater than zero but less than "
                                     "100%.";
constexpr const char* kGasMessage =
    "Please enter a valid number for the cost of gas ($/gallon), greater than zero.";

class DataSettingsWindowTest : public ::testing::Test {
protected:
    FakeServices fakes;
    ui::Application app{fakes.services()};
    QPointer<QWidget> window;
    QTemporaryDir files;

    void SetUp() override {
        app.add_window_factory(QStringLiteral("A01_Data_Settings"), [](ui::Application& a) {
            return new cardata::DataSettingsWindow(a);
        });
        app.state().Car_Data_Filename = "Initial data"; // as the main window leaves it
        QFile::remove(ui::default_car_data_path());
        open();
    }
    void TearDown() override {
        if (window) {
            window->close();
        }
        settle();
        QFile::remove(ui::default_car_data_path());
    }
    void open() {
        window = app.open_window(QStringLiteral("A01_Data_Settings"));
        ASSERT_NE(window, nullptr);
        show_active(window);
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(window, QString::fromLatin1(name)); }
    QLabel* label(const char* name) { return child<QLabel>(window, QString::fromLatin1(name)); }
    QPushButton* button(const char* name) {
        return child<QPushButton>(window, QString::fromLatin1(name));
    }
    QString text(const char* name) { return box(name)->text(); }
    QLineEdit* city() { return box("txtGlobal_City_Percent"); }
    QLineEdit* highway() { return box("txtGlobal_Highway_Percent"); }

    // Typing over the whole text, key by key, as a user who selected it does.
    static void type_over(QLineEdit* b, const QString& keys) {
        b->setFocus(Qt::MouseFocusReason);
        b->selectAll();
        QTest::keyClicks(b, keys);
    }
    // Leaves the box with Tab and lets the check run.
    static void leave(QLineEdit* b) {
        QTest::keyClick(b, Qt::Key_Tab);
        settle();
    }
    QString write_file(const QString& name, const char* contents) {
        const QString path = files.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contents);
        return path;
    }
};

} // namespace

TEST_F(DataSettingsWindowTest, OpensWithTheCarDataTheLabelsAndTheFileName) {
    EXPECT_EQ(window->objectName(), "A01_Data_Settings");
    EXPECT_EQ(window->windowTitle(), "Data Settings");
    QStringList shown;
    for (const cardata::BoxInfo& b : cardata::kBoxes) {
        QLineEdit* e = box(b.box);
        shown << e->text();
        EXPECT_EQ(label(b.label)->buddy(), e) << b.box;
        EXPECT_EQ(label(b.label)->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(e->toolTip(), QString::fromUtf8(b.tooltip));
    }
    EXPECT_EQ(shown.join(QLatin1Char('|')), "3|18|24|55|45|20|12000|0.445|10");
    EXPECT_EQ(label("lblGlobal_Combined_MPG")->text(), "Combined City/HwyMPG");
    EXPECT_EQ(label("lblCar_File_ID")->text(), "Car Data Filename: Initial data");
    EXPECT_EQ(button("cmdSave_As_Default")->toolTip(),
              "Save data as default, so that it's read in automatically the next time the "
              "program starts");
    EXPECT_EQ(button("cmdCalculate_Combined_MPG")->text(), "Calculate Combined EPA MPG");
    EXPECT_TRUE(
        label("lblEPA_MPG_Description")->text().contains("website at www.fueleconomy.gov."));
    EXPECT_EQ(label("lblGo_To_EPA")->text(), "Click Here to open the EPA Fuel Economy website");
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(DataSettingsWindowTest, TypingAPercentageWritesTheComplement) {
    type_over(city(), QStringLiteral("30"));
    EXPECT_EQ(highway()->text(), "70");
    type_over(highway(), QStringLiteral("62.5"));
    EXPECT_EQ(city()->text(), "37.5");
    EXPECT_EQ(highway()->text(), "62.5");
    type_over(city(), QStringLiteral("33.3"));
    EXPECT_EQ(highway()->text(), "66.7");
    EXPECT_EQ(city()->text(), "33.3");
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(DataSettingsWindowTest, APastedTextSettlesInTheNumberTextForm) {
    QGuiApplication::clipboard()->setText(QStringLiteral("30.0"));
    city()->setFocus(Qt::MouseFocusReason);
    city()->selectAll();
    QTest::keyClick(city(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(city()->text(), "30");
    EXPECT_EQ(highway()->text(), "70");
}

TEST_F(DataSettingsWindowTest, AnUnconvertibleKeystrokeRestoresBothBoxesOnce) {
    const auto expect_restored = [&](const char* what) {
        EXPECT_EQ(city()->text(), "55") << what;
        EXPECT_EQ(highway()->text(), "45") << what;
        ASSERT_EQ(fakes.messages.shown.size(), 1U) << what;
        EXPECT_EQ(fakes.messages.shown[0], kPercentMessage);
        fakes.messages.shown.clear();
    };
    for (const char* key : {"a", "$", "-"}) {
        type_over(city(), QStringLiteral("30"));
        QTest::keyClick(city(), Qt::Key_End);
        QTest::keyClicks(city(), QString::fromLatin1(key));
        expect_restored(key);
    }
    type_over(highway(), QStringLiteral("-"));
    expect_restored("- alone");

    type_over(city(), QStringLiteral("5"));
    EXPECT_EQ(highway()->text(), "95");
    QTest::keyClick(city(), Qt::Key_End);
    QTest::keyClick(city(), Qt::Key_Backspace);
    expect_restored("last digit deleted");

    city()->setFocus(Qt::MouseFocusReason);
    city()->selectAll();
    QTest::keyClick(city(), Qt::Key_Delete);
    expect_restored("emptied");
}

TEST_F(DataSettingsWindowTest, LeavingTheCityBoxChecksItsRange) {
    for (const char* typed : {"0", "100", "150"}) {
        fakes.messages.shown.clear();
        type_over(city(), QString::fromLatin1(typed));
        leave(city());
        ASSERT_EQ(fakes.messages.shown.size(), 1U) << typed;
        EXPECT_EQ(fakes.messages.shown[0], data_error(kCityMessage));
        EXPECT_EQ(QApplication::focusWidget(), city()) << typed;
    }
    for (const char* typed : {"99.9", "0.1"}) {
        fakes.messages.shown.clear();
        type_over(city(), QString::fromLatin1(typed));
        leave(city());
        EXPECT_TRUE(fakes.messages.shown.empty()) << typed;
        EXPECT_NE(QApplication::focusWidget(), city()) << typed;
    }
    // 0.1 comes back from the highway box as 100 - 99.9 in single precision.
    EXPECT_EQ(city()->text(), "0.09999847");
    EXPECT_EQ(highway()->text(), "99.9");
}

TEST_F(DataSettingsWindowTest, LeavingTheGasCostBoxChecksIt) {
    QLineEdit* gas = box("txtGlobal_Gas_Cost");
    for (const char* typed : {"abc", "0", "-3"}) {
        fakes.messages.shown.clear();
        type_into(gas, QString::fromLatin1(typed));
        leave(gas);
        ASSERT_EQ(fakes.messages.shown.size(), 1U) << typed;
        EXPECT_EQ(fakes.messages.shown[0], data_error(kGasMessage));
        EXPECT_EQ(QApplication::focusWidget(), gas) << typed;
        EXPECT_EQ(gas->text(), QString::fromLatin1(typed));
    }
    fakes.messages.shown.clear();
    type_into(gas, QStringLiteral("2.899"));
    leave(gas);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(QApplication::focusWidget(), box("txtGlobal_EPA_City_MPG"));
}

TEST_F(DataSettingsWindowTest, AButtonClickFirstChecksTheFocusedBox) {
    type_into(box("txtGlobal_Time_Cost"), QStringLiteral("0"));
    click(button("cmdOK"));
    settle();
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].text,
              "Please enter a valid value per hour of your time ($/hr), greater than zero.");
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(app.state().car.Global_Time_Cost, 10.0F);
}

TEST_F(DataSettingsWindowTest, TheEstimateFillsTheCombinedBox) {
    click(button("cmdCalculate_Combined_MPG"));
    EXPECT_EQ(text("txtGlobal_Combined_MPG"), "17.4");

    type_into(box("txtGlobal_EPA_City_MPG"), QStringLiteral("20"));
    type_into(box("txtGlobal_EPA_Highway_MPG"), QStringLiteral("30"));
    type_over(city(), QStringLiteral("50"));
    click(button("cmdCalculate_Combined_MPG"));
    EXPECT_EQ(text("txtGlobal_Combined_MPG"), "20.6");
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(DataSettingsWindowTest, EstimateThenCancelKeepsTheFourFieldsOnly) {
    type_into(box("txtGlobal_EPA_City_MPG"), QStringLiteral("22.5"));
    type_into(box("txtGlobal_Gas_Cost"), QStringLiteral("4"));
    type_over(city(), QStringLiteral("40"));
    click(button("cmdCalculate_Combined_MPG"));
    fakes.messages.answers.push_back(Answer::Yes);
    click(button("cmdCancel"));
    settle();
    EXPECT_TRUE(window.isNull());
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].title, "Save Modified Data?");
    const CarData& car = app.state().car;
    EXPECT_EQ(car.Global_EPA_City_MPG, 22.5F);
    EXPECT_EQ(car.Global_EPA_Highway_MPG, 24.0F);
    EXPECT_EQ(car.Global_City_Percent.text(), "40");
    EXPECT_EQ(car.Global_Highway_Percent.text(), "60");
    EXPECT_TRUE(car.Global_Highway_Percent.is_single());
    EXPECT_EQ(car.Global_Combined_MPG, 20.0F);
    EXPECT_EQ(car.Global_Gas_Cost, 3.0F);
}

TEST_F(DataSettingsWindowTest, CancelAsksOnlyWhenSomethingChanged) {
    click(button("cmdCancel"));
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(fakes.messages.shown.empty());

    open();
    type_into(box("txtGlobal_Gas_Cost"), QStringLiteral("4"));
    fakes.messages.answers.push_back(Answer::No);
    click(button("cmdCancel"));
    settle();
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0],
              (Message{"Save Modified Data?",
                       "You have changed some data - click Yes to exit without saving the "
                       "data, or No to return to the window to save data permanently with "
                       "a Save command, or temporarily by clicking on OK",
                       Icon::None, Buttons::YesNo}));
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(text("txtGlobal_Gas_Cost"), "4");

    // The close box neither asks nor commits.
    window->close();
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(app.state().car.Global_Gas_Cost, 3.0F);
}

TEST_F(DataSettingsWindowTest, OkAfterLoadDataKeepsTheFullPath) {
    const QString path = write_file(QStringLiteral("van.miloracar"),
                                    "1.02\r\n2.899\r\n21\r\n28.5\r\n40\r\n60\r\n23.4\r\n9000\r\n"
                                    "0.5\r\n7\r\n");
    fakes.files.open_answers.push_back(path);
    click(button("cmdLoad_Data_Settings"));
    ASSERT_EQ(fakes.files.open_requests.size(), 1U);
    EXPECT_EQ(fakes.files.open_requests[0].filter, "Car Data Files (*.miloracar)");
    EXPECT_EQ(fakes.files.open_requests[0].directory, ui::program_folder());
    EXPECT_EQ(text("txtGlobal_EPA_Highway_MPG"), "28.5");
    EXPECT_EQ(text("txtGlobal_Highway_Percent"), "60");
    EXPECT_EQ(label("lblCar_File_ID")->text(), "Car Data Filename: " + path);
    click(button("cmdOK"));
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(QString::fromStdString(app.state().Car_Data_Filename), path);
    EXPECT_EQ(app.state().car.Global_Time_Cost, 7.0F);

    open();
    EXPECT_EQ(label("lblCar_File_ID")->text(), "Car Data Filename: " + path);
    EXPECT_EQ(text("txtGlobal_Gas_Cost"), "2.899");
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(DataSettingsWindowTest, AFileThatDoesNotLoadChangesNothing) {
    const QString path = write_file(QStringLiteral("short.miloracar"), "1.02\r\n9\r\n30\r\n40\r\n");
    fakes.files.open_answers.push_back(path);
    click(button("cmdLoad_Data_Settings"));
    ASSERT_EQ(fakes.files.open_requests.size(), 1U);
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_TRUE(QString::fromStdString(fakes.messages.shown[0].text).contains(path));
    EXPECT_EQ(text("txtGlobal_Gas_Cost"), "3");
    EXPECT_EQ(app.state().car.Global_Gas_Cost, 3.0F);
    EXPECT_EQ(label("lblCar_File_ID")->text(), "Car Data Filename: Initial data");
    // Nothing changed, so Cancel does not ask.
    click(button("cmdCancel"));
    settle();
    EXPECT_TRUE(window.isNull());
}

TEST_F(DataSettingsWindowTest, SaveCommitsAsksForAFileAndWritesIt) {
    type_over(city(), QStringLiteral("33.3"));
    leave(city());
    const QString path = files.filePath(QStringLiteral("mine.miloracar"));
    fakes.files.save_answers.push_back(path);
    click(button("cmdSave"));
    ASSERT_EQ(fakes.files.save_requests.size(), 1U);
    const ui::FileDialogRequest& r = fakes.files.save_requests[0];
    EXPECT_EQ(r.filter, "Car Data Files (*.miloracar)");
    EXPECT_EQ(r.default_suffix, "miloracar");
    EXPECT_EQ(r.directory, ui::program_folder());
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0],
              (Message{"Milora", path.toStdString(), Icon::None, Buttons::Ok}));
    std::string contents;
    ASSERT_TRUE(read_whole_file(path.toStdString(), contents));
    const auto lines = numbers::split_lines(contents);
    ASSERT_EQ(lines.size(), 10U);
    EXPECT_EQ(lines[4], "33.3");
    EXPECT_EQ(lines[5], "66.7");
    EXPECT_EQ(label("lblCar_File_ID")->text(), "Car Data Filename: " + path);
    EXPECT_EQ(app.state().car.Global_City_Percent.text(), "33.3");
    ASSERT_FALSE(window.isNull());

    // Cancelling the dialog keeps the commit and writes nothing.
    type_into(box("txtGlobal_Gas_Cost"), QStringLiteral("4"));
    fakes.files.save_answers.push_back(QString());
    click(button("cmdSave"));
    EXPECT_EQ(app.state().car.Global_Gas_Cost, 4.0F);
    EXPECT_EQ(fakes.messages.shown.size(), 1U);
}

TEST_F(DataSettingsWindowTest, AFailedSaveIsReportedAndTheNameStays) {
    const QString path = files.filePath(QStringLiteral("gone/mine.miloracar"));
    fakes.files.save_answers.push_back(path);
    click(button("cmdSave"));
    ASSERT_EQ(fakes.messages.shown.size(), 2U);
    EXPECT_EQ(fakes.messages.shown[1].icon, Icon::Warning);
    EXPECT_TRUE(QString::fromStdString(fakes.messages.shown[1].text).contains(path));
    EXPECT_EQ(label("lblCar_File_ID")->text(), "Car Data Filename: Initial data");
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(DataSettingsWindowTest, SaveAsDefaultComesBackInAFreshProgram) {
    type_into(box("txtGlobal_Gas_Cost"), QStringLiteral("2.899"));
    type_into(box("txtGlobal_Yearly_Miles_Traveled"), QStringLiteral("15000"));
    type_over(highway(), QStringLiteral("62.5"));
    click(button("cmdSave_As_Default"));
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0],
              (Message{"Default Data Saved", "Data saved in file \"default.miloracar\".",
                       Icon::None, Buttons::Ok}));
    EXPECT_EQ(label("lblCar_File_ID")->text(), "Car Data Filename: default.miloracar");
    EXPECT_EQ(app.state().Car_Data_Filename, "default.miloracar");

    ProgramState fresh;
    ASSERT_TRUE(cardata::read_tolerant(ui::default_car_data_path().toStdString(), fresh.car));
    EXPECT_EQ(fresh.car.Global_Gas_Cost, 2.899F);
    EXPECT_EQ(fresh.car.Global_Yearly_Miles_Traveled, 15000.0F);
    EXPECT_EQ(fresh.car.Global_City_Percent.text(), "37.5");
    EXPECT_EQ(fresh.car.Global_Highway_Percent.text(), "62.5");
}

TEST_F(DataSettingsWindowTest, HelpAndTheEpaLink) {
    click(button("cmdHelp"));
    EXPECT_EQ(fakes.help.topics, QStringList{"Entering_Settings.htm"});
    QLabel* link = label("lblGo_To_EPA");
    EXPECT_NE(link->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(fakes.web.urls, QStringList{QString::fromLatin1(web_address(WebLink::FindACar))});
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(DataSettingsWindowTest, EveryTextFitsItsPlace) {
    window->grab(); // lays the window out as it is shown
    const QRect inside = window->rect();
    for (QLabel* l : window->findChildren<QLabel*>()) {
        const QString name = l->objectName();
        EXPECT_TRUE(inside.contains(l->geometry())) << name.toStdString();
        if (l->wordWrap()) {
            EXPECT_GE(l->height(), l->heightForWidth(l->width())) << name.toStdString();
        } else {
            EXPECT_GE(l->width(), l->sizeHint().width()) << name.toStdString();
        }
    }
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
        EXPECT_TRUE(inside.contains(b->geometry())) << b->objectName().toStdString();
        EXPECT_GE(b->width(), b->sizeHint().width()) << b->objectName().toStdString();
    }
    const QString shot = qEnvironmentVariable("MILORA_SHOT");
    if (!shot.isEmpty()) {
        EXPECT_TRUE(window->grab().save(shot));
    }
}
