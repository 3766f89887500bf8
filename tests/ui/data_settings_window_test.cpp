// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/data_settings_window.h"

#include "base/web_links.h"
#include "cardata/car_data_file.h"
#include "numbers/line_reading.h"
#include "support/fake_services.h"
#include "support/window_helpers.h"
#include "ui/application.h"
#include "ui/labels.h"
#include "ui/program_folder.h"

#include <QAccessible>
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
        app.add_window_factory(QStringLiteral("A01_Data_Settings"),
                               [](ui::Application& a) { return new ui::DataSettingsWindow(a); });
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
    // The typed 0.1 stays as typed; its complement is written as a person would write it.
    EXPECT_EQ(city()->text(), "0.1");
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
                       Icon::None, Buttons::YesNo, Answer::No}));
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
    const Result<std::string> contents = read_file(path.toStdString());
    ASSERT_TRUE(contents) << contents.reason();
    const auto lines = numbers::split_lines(*contents);
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
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(DataSettingsWindowTest, AnEpaLinkNoBrowserTakesSaysSoWithTheAddress) {
    fakes.web.opens = false;
    QLabel* link = label("lblGo_To_EPA");
    link->setFocus(Qt::TabFocusReason);
    QTest::keyClick(link, Qt::Key_Return);
    settle();
    const QString address = QString::fromLatin1(web_address(WebLink::FindACar));
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_NE(fakes.messages.shown[0].text.find(address.toStdString()), std::string::npos);
    EXPECT_TRUE(window->isVisible()) << "Enter on the link follows it, it is not OK";
}

TEST_F(DataSettingsWindowTest, EnterPressesTheFocusedButtonAndTheWindowIsAnnouncedAsAWindow) {
    button("cmdHelp")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button("cmdHelp"), Qt::Key_Enter, Qt::KeypadModifier);
    settle();
    EXPECT_EQ(fakes.help.topics, QStringList{"Entering_Settings.htm"});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
    box("txtGlobal_Gas_Cost")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box("txtGlobal_Gas_Cost"), Qt::Key_F1);
    settle();
    EXPECT_EQ(fakes.help.topics.size(), 2);
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

TEST_F(DataSettingsWindowTest, TheComplementReadsAsTheUserWouldWriteIt) {
    const std::vector<std::pair<QString, QString>> pairs = {
        {"0.1", "99.9"}, {"99.9", "0.1"}, {"92.9", "7.1"}};
    for (const auto& [typed, other] : pairs) {
        type_over(city(), typed);
        EXPECT_EQ(city()->text(), typed);
        EXPECT_EQ(highway()->text(), other) << typed.toStdString();
    }
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(DataSettingsWindowTest, TheBoxBeingTypedInIsNeverRewritten) {
    highway()->setFocus(Qt::MouseFocusReason);
    highway()->selectAll();
    QString typed;
    for (const QChar c : QStringLiteral("30.05")) {
        typed += c;
        QTest::keyClicks(highway(), QString(c));
        EXPECT_EQ(highway()->text(), typed);
    }
    EXPECT_EQ(city()->text(), "69.95");
    QTest::keyClick(highway(), Qt::Key_Backspace);
    EXPECT_EQ(highway()->text(), "30.0");
    EXPECT_EQ(city()->text(), "70");
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(DataSettingsWindowTest, EnterIsOkAndEscapeIsCancel) {
    type_into(box("txtGlobal_Gas_Cost"), QStringLiteral("4"));
    QTest::keyClick(box("txtGlobal_Gas_Cost"), Qt::Key_Return);
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(app.state().car.Global_Gas_Cost, 4.0F);

    // Enter first checks the box, as OK does.
    open();
    type_into(box("txtGlobal_Gas_Cost"), QStringLiteral("0"));
    QTest::keyClick(box("txtGlobal_Gas_Cost"), Qt::Key_Enter, Qt::KeypadModifier);
    settle();
    ASSERT_FALSE(window.isNull());
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0], data_error(kGasMessage));
    fakes.messages.shown.clear();

    // Escape asks Cancel's question, whose default answer is the safe No, even from a box that
    // would be refused.
    fakes.messages.answers = {Answer::No, Answer::Yes};
    QTest::keyClick(box("txtGlobal_Gas_Cost"), Qt::Key_Escape);
    settle();
    ASSERT_FALSE(window.isNull());
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0], cardata::cancel_question());
    EXPECT_EQ(fakes.messages.shown[0].default_answer, Answer::No);
    QTest::keyClick(box("txtGlobal_Gas_Cost"), Qt::Key_Escape);
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(fakes.messages.shown.size(), 2U);
    EXPECT_EQ(app.state().car.Global_Gas_Cost, 4.0F);

    // Enter on a button presses that button.
    open();
    type_into(box("txtGlobal_Gas_Cost"), QStringLiteral("5"));
    button("cmdHelp")->setFocus(Qt::TabFocusReason);
    settle();
    QTest::keyClick(button("cmdHelp"), Qt::Key_Return);
    EXPECT_EQ(fakes.help.topics, QStringList{"Entering_Settings.htm"});
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(app.state().car.Global_Gas_Cost, 4.0F);
}

TEST_F(DataSettingsWindowTest, CancelLoadAndHelpAreNotHeldUpByARefusedBox) {
    const QString zero = write_file(QStringLiteral("zero.miloracar"),
                                    "1.02\r\n0\r\n21\r\n28.5\r\n40\r\n60\r\n23.4\r\n9000\r\n"
                                    "0.5\r\n7\r\n");
    const QString good = write_file(QStringLiteral("good.miloracar"),
                                    "1.02\r\n2.5\r\n21\r\n28.5\r\n40\r\n60\r\n23.4\r\n9000\r\n"
                                    "0.5\r\n7\r\n");
    QLineEdit* gas = box("txtGlobal_Gas_Cost");
    gas->setFocus(Qt::MouseFocusReason);
    fakes.files.open_answers = {zero, good};
    click(button("cmdLoad_Data_Settings"));
    settle();
    EXPECT_EQ(gas->text(), "0");
    click(button("cmdHelp"));
    click(button("cmdLoad_Data_Settings"));
    settle();
    EXPECT_EQ(fakes.files.open_requests.size(), 2U);
    EXPECT_EQ(gas->text(), "2.5");
    EXPECT_EQ(fakes.help.topics, QStringList{"Entering_Settings.htm"});
    EXPECT_TRUE(fakes.messages.shown.empty());

    // Loading the 0 again and cancelling at once: only Cancel's question, no "Data Error".
    fakes.files.open_answers = {zero};
    click(button("cmdLoad_Data_Settings"));
    fakes.messages.answers = {Answer::Yes};
    click(button("cmdCancel"));
    settle();
    EXPECT_TRUE(window.isNull());
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].title, "Save Modified Data?");
}

TEST_F(DataSettingsWindowTest, TheCloseBoxIsNotHeldUpByARefusedBox) {
    type_into(box("txtGlobal_Gas_Cost"), QStringLiteral("0"));
    window->close();
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(app.state().car.Global_Gas_Cost, 3.0F);
}

TEST_F(DataSettingsWindowTest, TabFollowsTheReadingOrder) {
    box("txtGlobal_Gas_Cost")->setFocus(Qt::TabFocusReason);
    settle();
    QStringList order;
    for (int i = 0; i < 18; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        settle();
    }
    EXPECT_EQ(
        order,
        (QStringList{"txtGlobal_Gas_Cost", "txtGlobal_EPA_City_MPG", "txtGlobal_EPA_Highway_MPG",
                     "lblGo_To_EPA", "txtGlobal_City_Percent", "txtGlobal_Highway_Percent",
                     "txtGlobal_Combined_MPG", "cmdCalculate_Combined_MPG", "cmdFrom_Mileage_Log",
                     "txtGlobal_Yearly_Miles_Traveled", "txtGlobal_Mileage_Cost",
                     "txtGlobal_Time_Cost", "cmdOK", "cmdCancel", "cmdSave", "cmdSave_As_Default",
                     "cmdLoad_Data_Settings", "cmdHelp"}));
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(DataSettingsWindowTest, TheEpaLinkIsFollowedByTheKeyboard) {
    QLabel* link = label("lblGo_To_EPA");
    box("txtGlobal_EPA_Highway_MPG")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box("txtGlobal_EPA_Highway_MPG"), Qt::Key_Tab);
    settle();
    ASSERT_EQ(QApplication::focusWidget(), link);
    QTest::keyClick(link, Qt::Key_Return);
    EXPECT_EQ(fakes.web.urls, QStringList{QString::fromLatin1(web_address(WebLink::FindACar))});
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QTest::keyClick(link, Qt::Key_Space);
    EXPECT_EQ(fakes.web.urls.size(), 2);
    // Enter on the link follows it and does not press OK.
    ASSERT_FALSE(window.isNull());
}

TEST_F(DataSettingsWindowTest, ALongFileNameIsShortenedInTheMiddle) {
    window->grab();
    const QSize before = window->size();
    QLabel* time = label("lblTime_Cost_Description");
    const int time_height = time->height();
    QDir(files.path()).mkpath(QString(120, QLatin1Char('d')));
    const QString path = write_file(QString(120, QLatin1Char('d')) + "/car.miloracar",
                                    "1.02\r\n2.899\r\n21\r\n28.5\r\n40\r\n60\r\n23.4\r\n"
                                    "9000\r\n0.5\r\n7\r\n");
    fakes.files.open_answers.push_back(path);
    click(button("cmdLoad_Data_Settings"));
    window->grab();
    auto* file = child<ui::ElidedLabel>(window, QStringLiteral("lblCar_File_ID"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->text(), "Car Data Filename: " + path);
    EXPECT_EQ(file->toolTip(), path);
    const QString shown = file->shown_text();
    EXPECT_TRUE(shown.startsWith("Car Data Filename: ")) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("car.miloracar")) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
    EXPECT_LE(file->fontMetrics().horizontalAdvance(shown), file->width());
    EXPECT_LE(file->height(), 2 * file->fontMetrics().height());
    // Nothing moved or grew.
    EXPECT_EQ(window->size(), before);
    EXPECT_EQ(time->height(), time_height);
    EXPECT_TRUE(window->rect().contains(time->geometry()));
    const QString shots = qEnvironmentVariable("MILORA_SHOT_DIR");
    if (!shots.isEmpty()) {
        EXPECT_TRUE(window->grab().save(shots + "/data_settings_long_name.png"));
        window->resize(100, 100);
        EXPECT_TRUE(window->grab().save(shots + "/data_settings_smallest.png"));
    }
}

TEST_F(DataSettingsWindowTest, TheWindowIsNeverSmallerThanItsContent) {
    window->resize(200, 150);
    window->grab();
    EXPECT_GE(window->width(), window->minimumWidth());
    EXPECT_GE(window->height(), window->minimumHeight());
    const QRect inside = window->rect();
    for (QLabel* l : window->findChildren<QLabel*>()) {
        EXPECT_TRUE(inside.contains(l->geometry())) << l->objectName().toStdString();
        if (l->wordWrap()) {
            EXPECT_GE(l->height(), l->heightForWidth(l->width())) << l->objectName().toStdString();
        }
    }
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
        EXPECT_TRUE(inside.contains(b->geometry())) << b->objectName().toStdString();
    }
}

namespace {

// Notes where the focus is while each message is up.
class FocusAtMessage final : public ui::MessageService {
public:
    Answer show(QWidget* parent, const Message& message) override {
        shown.push_back(message);
        QWidget* focus = parent->window()->focusWidget();
        focus_names << (focus != nullptr ? focus->objectName() : QString());
        return Answer::Ok;
    }
    std::vector<Message> shown;
    QStringList focus_names;
};

} // namespace

TEST(DataSettingsFocusTest, TheRefusedBoxHoldsTheFocusWhileItsMessageIsUp) {
    FocusAtMessage messages;
    FakeServices fakes;
    ui::Services services = fakes.services();
    services.messages = &messages;
    ProgramState state;
    state.Car_Data_Filename = "Initial data";
    QPointer<ui::DataSettingsWindow> window = new ui::DataSettingsWindow(state, services);
    show_active(window);
    auto* gas = child<QLineEdit>(window, QStringLiteral("txtGlobal_Gas_Cost"));
    type_into(gas, QStringLiteral("0"));
    QTest::keyClick(gas, Qt::Key_Tab);
    settle();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.focus_names, QStringList{"txtGlobal_Gas_Cost"});
    EXPECT_EQ(QApplication::focusWidget(), gas);

    // The estimate names the box it cannot use, which holds the focus before its message shows.
    type_into(gas, QStringLiteral("3"));
    auto* city_mpg = child<QLineEdit>(window, QStringLiteral("txtGlobal_EPA_City_MPG"));
    city_mpg->setText(QStringLiteral("abc"));
    QTest::mouseClick(child<QPushButton>(window, QStringLiteral("cmdCalculate_Combined_MPG")),
                      Qt::LeftButton);
    settle();
    ASSERT_EQ(messages.shown.size(), 2U);
    EXPECT_EQ(messages.focus_names.last(), "txtGlobal_EPA_City_MPG");
    window->close();
    settle();
}
