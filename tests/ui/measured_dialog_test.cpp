// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// The measured values carried into Data Settings: from a log file with "From Mileage Log...", and
// from the tracker's open log with "Use In Calculators". OK fills the ticked boxes as typed (the
// modified flag set, the car data untouched until a commit); a log that gives no figures, or a
// value a box refuses, changes nothing.

#include "base/constants.h"
#include "support/tracker_fixture.h"
#include "ui/data_settings_window.h"
#include "ui/measured_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>

using namespace milora;
using namespace milora::test;

namespace {

constexpr const char* kDialog = "A01a_Measured_Values";

// Five fill-ups over 59 days: 1,200 miles on 48 gallons, 25 MPG, 7424 miles a year.
constexpr const char* kLog = "\"1/1/2025\",10000,12\r\n"
                             "\"1/15/2025\",10300,12\r\n"
                             "\"2/1/2025\",10600,12\r\n"
                             "\"2/15/2025\",10900,12\r\n"
                             "\"3/1/2025\",11200,12\r\n";

class MeasuredDialogTest : public TrackerFixture {
protected:
    QTemporaryDir folder;
    QPointer<ui::DataSettingsWindow> settings;

    void SetUp() override {
        expected_modal_windows().append(QString::fromLatin1(kDialog));
        app.add_window_factory(QStringLiteral("A01_Data_Settings"),
                               [](ui::Application& a) { return new ui::DataSettingsWindow(a); });
    }
    void TearDown() override {
        if (settings) {
            settings->close();
        }
        close_tracker();
        expected_modal_windows().removeAll(QString::fromLatin1(kDialog));
    }
    QString write(const char* name, const QByteArray& text) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path;
    }
    void open_settings() {
        settings = qobject_cast<ui::DataSettingsWindow*>(
            app.open_window(QStringLiteral("A01_Data_Settings")));
        ASSERT_NE(settings, nullptr);
        show_active(settings);
    }
    QString box(const char* name) {
        return child<QLineEdit>(settings, QString::fromLatin1(name))->text();
    }
    // The dialog that the command left open, or null.
    static QDialog* dialog(QWidget* parent) {
        settle();
        return parent->findChild<QDialog*>(QString::fromLatin1(kDialog));
    }
    static QString label(QWidget* d, const char* name) {
        return child<QLabel>(d, QString::fromLatin1(name))->text();
    }
    void measure_file(const QString& path) {
        fakes.files.open_answers.push_back(path);
        click(child<QPushButton>(settings, QStringLiteral("cmdFrom_Mileage_Log")));
    }
};

} // namespace

TEST_F(MeasuredDialogTest, FromMileageLogFillsTheTickedBoxesAsTyped) {
    const QString path = write("car.miloragas", kLog);
    ui::remember_last_log(path);
    open_settings();
    measure_file(path);
    ASSERT_EQ(fakes.files.open_requests.size(), 1U);
    EXPECT_EQ(fakes.files.open_requests[0].directory, folder.path());
    EXPECT_EQ(fakes.files.open_requests[0].file_name, QStringLiteral("car.miloragas"));

    QDialog* d = dialog(settings);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(label(d, "lblMeasured_Span"),
              QStringLiteral("5 fill-ups from 1/1/2025 to 3/1/2025 (59 days): 1200 miles on 48 "
                             "gallons."));
    EXPECT_EQ(label(d, "lblMeasured_Combined_MPG"), QStringLiteral("25"));
    EXPECT_EQ(label(d, "lblCurrent_Combined_MPG"), QStringLiteral("20"));
    EXPECT_EQ(label(d, "lblMeasured_Yearly_Miles"), QStringLiteral("7424"));
    EXPECT_EQ(label(d, "lblCurrent_Yearly_Miles"), QStringLiteral("12000"));
    auto* yearly = child<QCheckBox>(d, QStringLiteral("chkMeasured_Yearly_Miles"));
    EXPECT_TRUE(yearly->isChecked());
    EXPECT_TRUE(child<QCheckBox>(d, QStringLiteral("chkMeasured_Combined_MPG"))->isChecked());
    yearly->setChecked(false);
    click(child<QPushButton>(d, QStringLiteral("cmdOK")));
    settle();

    EXPECT_EQ(dialog(settings), nullptr);
    EXPECT_EQ(box("txtGlobal_Combined_MPG"), QStringLiteral("25"));
    EXPECT_EQ(box("txtGlobal_Yearly_Miles_Traveled"), QStringLiteral("12000"));
    EXPECT_TRUE(settings->settings().modified());
    EXPECT_EQ(app.state().car.Global_Combined_MPG, 20.0F); // nothing stored before a commit
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(MeasuredDialogTest, ALogThatGivesNoFiguresOrAValueABoxRefusesChangesNothing) {
    open_settings();
    const QString short_log =
        write("short.miloragas", "\"1/1/2025\",1000,10\r\n\"1/13/2025\",1300,10\r\n"
                                 "\"1/13/2025\",1600,10\r\n");
    measure_file(short_log);
    EXPECT_EQ(dialog(settings), nullptr);
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].text,
              "Milora cannot measure your MPG and yearly miles from the file \"" +
                  short_log.toStdString() +
                  "\": 3 fill-ups over 12 days; Milora needs 28 days or more.");

    const QString cut = write("cut.miloragas", QByteArray(kLog) + "\"3/9/2025\",11500,x\r\n");
    measure_file(cut);
    ASSERT_EQ(fakes.messages.shown.size(), 2U);
    EXPECT_EQ(fakes.messages.shown[1].text,
              "Milora cannot measure your MPG and yearly miles from the file \"" +
                  cut.toStdString() +
                  "\": line 6 cannot be read: the gallons \"x\" are not a number.");

    // 1e38 miles in 30 days is more miles a year than the box can hold.
    const QByteArray e36 = "1" + QByteArray(36, '0');
    measure_file(write("huge.miloragas",
                       "\"1/1/2025\",1000,10\r\n\"1/15/2025\",5" + QByteArray(37, '0') + "," + e36 +
                           "\r\n\"1/31/2025\",1" + QByteArray(38, '0') + "," + e36 + "\r\n"));
    QDialog* d = dialog(settings);
    ASSERT_NE(d, nullptr);
    click(child<QPushButton>(d, QStringLiteral("cmdOK")));
    ASSERT_EQ(fakes.messages.shown.size(), 3U);
    EXPECT_EQ(fakes.messages.shown[2],
              (Message{"Data Error", kTooLargeMessage, Icon::Warning, Buttons::Ok}));
    EXPECT_EQ(dialog(settings), d);
    EXPECT_EQ(box("txtGlobal_Combined_MPG"), QStringLiteral("20"));
    EXPECT_FALSE(settings->settings().modified());
    click(child<QPushButton>(d, QStringLiteral("cmdCancel")));
    EXPECT_EQ(dialog(settings), nullptr);
    EXPECT_FALSE(settings->settings().modified());
}

TEST_F(MeasuredDialogTest, UseInCalculatorsBringsUpDataSettingsWithTheValues) {
    open_tracker();
    const QString path = write("tracked.miloragas", kLog);
    fakes.files.open_answers.push_back(path);
    click(button("cmdOpen"));
    settle();
    EXPECT_EQ(ui::last_log(), path); // remembered for "From Mileage Log..."

    window->findChild<QAction*>(QStringLiteral("mnuUse_In_Calculators"))->trigger();
    QDialog* d = dialog(window);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(label(d, "lblCurrent_Combined_MPG"), QStringLiteral("20"));
    click(child<QPushButton>(d, QStringLiteral("cmdOK")));
    settle();
    settings = qobject_cast<ui::DataSettingsWindow*>(
        app.windows().find(QStringLiteral("A01_Data_Settings")));
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(box("txtGlobal_Combined_MPG"), QStringLiteral("25"));
    EXPECT_EQ(box("txtGlobal_Yearly_Miles_Traveled"), QStringLiteral("7424"));
    EXPECT_TRUE(settings->settings().modified());
}
