// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// The tracker's preview of another app's export, offscreen: Cancel keeps the log, OK replaces
// it, a file in none of the layouts keeps it with a message, Milora's own files need no preview.

#include "ui/import_preview_dialog.h"

#include "base/atomic_file.h"
#include "mileage/fuel_import.h"
#include "support/temp_folder.h"
#include "support/tracker_fixture.h"
#include "ui/application.h"
#include "ui/mileage_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

using namespace milora;
using namespace milora::test;
using ui::MileageWindow;

namespace {

QString data(const char* name) {
    return QStringLiteral(MILORA_TEST_DATA) + QLatin1Char('/') + QString::fromLatin1(name);
}

class ImportPreviewWindowTest : public TrackerFixture {
protected:
    void SetUp() override { open_tracker(); }
    void TearDown() override { close_tracker(); }
    void choose(const char* button_name, const QString& file) {
        fakes.files.open_answers = {file};
        click(button(button_name));
    }
};

} // namespace

TEST_F(ImportPreviewWindowTest, CancelKeepsTheLogAndOkReplacesIt) {
    choose("cmdOpen", data("six_entries.miloragas"));
    EXPECT_TRUE(fakes.previews.shown.empty()); // Milora's own file: nothing to preview
    ASSERT_EQ(window->tracker().log().fillup_count(), 6);
    const std::string list = window->tracker().list();

    fakes.previews.answers = {false};
    choose("cmdImport_CSV", data("import/drivvo.csv"));
    ASSERT_EQ(fakes.previews.shown.size(), 1U);
    const std::string& text = fakes.previews.shown[0].text;
    EXPECT_EQ(fakes.previews.shown[0].title, "Import Fill-Ups");
    EXPECT_NE(text.find("is a Drivvo export.\nColumns read: date \"date\", odometer "
                        "\"odometer(km)\", fuel \"liters\".\n4 fill-ups, from 4/12/2024 to "
                        "5/28/2024.\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("line 12: a row of the Expense section, not a fill-up"), std::string::npos);
    EXPECT_NE(text.find("1 tank (entry 3; 311 miles)"), std::string::npos) << text;
    EXPECT_EQ(window->tracker().log().fillup_count(), 6);
    EXPECT_EQ(window->tracker().list(), list);
    EXPECT_FALSE(window->tracker().data_changed());
    EXPECT_TRUE(fakes.messages.shown.empty());

    fakes.previews.answers = {true};
    choose("cmdImport_CSV", data("import/drivvo.csv"));
    EXPECT_EQ(window->tracker().log().fillup_count(), 4);
    EXPECT_EQ(window->tracker().log().entry(1).Fillup_Date, "4/12/2024");
    EXPECT_TRUE(window->tracker().data_changed());
    EXPECT_TRUE(button("cmdPlot")->isEnabled());

    // An export opened with Load Datafile is held nowhere in Milora's format yet: unsaved.
    fakes.messages.answers = {Answer::Yes}; // drop the unsaved import
    fakes.previews.answers = {true};
    choose("cmdOpen", data("import/fuelly.csv"));
    EXPECT_EQ(window->tracker().log().fillup_count(), 5);
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("fuelly.csv")));
    EXPECT_TRUE(window->tracker().data_changed());
}

TEST_F(ImportPreviewWindowTest, AFileInNoLayoutKeepsTheLogAndSaysWhatIsRead) {
    choose("cmdOpen", data("six_entries.miloragas"));
    const QString file = data("import/not_a_log.txt");
    choose("cmdImport_CSV", file);
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0], mileage::not_understood_message(file.toStdString()));
    EXPECT_EQ(window->tracker().log().fillup_count(), 6);
    EXPECT_FALSE(window->tracker().data_changed());
    EXPECT_TRUE(fakes.previews.shown.empty());
}

TEST(ImportPreviewDialogTest, ShowsTheTextWithOkAndCancel) {
    mileage::MileageLog log;
    const Result<std::string> contents = read_file(data("import/drivvo.csv").toStdString());
    ASSERT_TRUE(contents) << contents.reason();
    const auto read = mileage::read_log_text(*contents, log);
    const auto preview = mileage::import_preview("/home/me/drivvo-export.csv", read, log, {});
    ui::ImportPreviewDialog dialog(nullptr, preview);
    // The file names its units and dates: nothing to choose.
    EXPECT_EQ(dialog.findChildren<QComboBox*>().size(), 0);
    EXPECT_EQ(dialog.windowTitle(), "Import Fill-Ups");
    EXPECT_EQ(child<QPlainTextEdit>(&dialog, QStringLiteral("txtPreview"))->toPlainText(),
              QString::fromStdString(preview.text));
    auto* buttons = child<QDialogButtonBox>(&dialog, QStringLiteral("buttons"));
    QTimer::singleShot(0, &dialog, [&] { click(buttons->button(QDialogButtonBox::Cancel)); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    QTimer::singleShot(0, &dialog, [&] { click(buttons->button(QDialogButtonBox::Ok)); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);

    // MILORA_SHOT=FILE.png keeps a picture of the dialog, for looking at it.
    dialog.show();
    settle();
    const QImage image = dialog.grab().toImage();
    EXPECT_GT(image.width(), 300);
    if (const QByteArray shot = qgetenv("MILORA_SHOT"); !shot.isEmpty()) {
        EXPECT_TRUE(image.save(QString::fromLocal8Bit(shot)));
    }
}

namespace {

// The preview of `file` read with `c`, as the tracker gives it.
mileage::ImportPreview preview_of(const char* file, const mileage::ImportChoices& c) {
    const std::string contents = slurp(data(file).toStdString());
    EXPECT_FALSE(contents.empty()) << file;
    mileage::MileageLog log;
    const auto read = mileage::read_log_text(contents, log, c);
    return mileage::import_preview(file, read, log, c);
}

} // namespace

TEST(ImportPreviewDialogTest, AChoiceReadsTheFileAgainAndTheFiguresFollow) {
    const char* file = "import/units_unnamed.csv";
    int reads = 0;
    ui::ImportPreviewDialog dialog(nullptr, preview_of(file, {}),
                                   [&](const mileage::ImportChoices& c) {
                                       ++reads;
                                       return preview_of(file, c);
                                   });
    auto* text = child<QPlainTextEdit>(&dialog, QStringLiteral("txtPreview"));
    EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("Average 20.8 MPG")));
    EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("Units assumed")));
    auto* distance = child<QComboBox>(&dialog, QStringLiteral("cboDistance"));
    auto* volume = child<QComboBox>(&dialog, QStringLiteral("cboVolume"));
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("cboDates")), nullptr);
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("cboVehicle")), nullptr);
    EXPECT_EQ(distance->currentText(), QStringLiteral("miles"));
    // Every box has a label with an Alt letter that leads to it, and a tooltip.
    for (QComboBox* box : {distance, volume}) {
        EXPECT_FALSE(box->toolTip().isEmpty());
        bool labelled = false;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            labelled = labelled || (label->buddy() == box && label->text().contains('&'));
        }
        EXPECT_TRUE(labelled) << box->objectName().toStdString();
    }

    distance->setCurrentIndex(distance->findText(QStringLiteral("kilometres")));
    volume->setCurrentIndex(volume->findText(QStringLiteral("litres")));
    EXPECT_EQ(reads, 2);
    EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("Average 49.0 MPG")))
        << text->toPlainText().toStdString();
    EXPECT_EQ(dialog.choices().distance, mileage::DistanceUnit::Kilometres);
    EXPECT_EQ(dialog.choices().volume, mileage::VolumeUnit::Litres);
    auto* buttons = child<QDialogButtonBox>(&dialog, QStringLiteral("buttons"));
    EXPECT_TRUE(buttons->button(QDialogButtonBox::Ok)->isEnabled());

    // MILORA_SHOT=FILE.png keeps a picture of the dialog, for looking at it.
    dialog.show();
    settle();
    if (const QByteArray shot = qgetenv("MILORA_SHOT_CHOICES"); !shot.isEmpty()) {
        EXPECT_TRUE(dialog.grab().toImage().save(QString::fromLocal8Bit(shot)));
    }
}

TEST(ImportPreviewDialogTest, AVehicleIsChosenAndNothingReadOffersNoOk) {
    const char* file = "import/fuelly_three_cars.csv";
    mileage::ImportChoices first;
    first.vehicle = "no such car";
    ui::ImportPreviewDialog dialog(
        nullptr, preview_of(file, first),
        [&](const mileage::ImportChoices& c) { return preview_of(file, c); });
    auto* buttons = child<QDialogButtonBox>(&dialog, QStringLiteral("buttons"));
    // A vehicle the file does not hold reads nothing: no OK.
    EXPECT_FALSE(buttons->button(QDialogButtonBox::Ok)->isEnabled());
    auto* vehicle = child<QComboBox>(&dialog, QStringLiteral("cboVehicle"));
    ASSERT_EQ(vehicle->count(), 3);
    vehicle->setCurrentIndex(1);
    EXPECT_TRUE(buttons->button(QDialogButtonBox::Ok)->isEnabled());
    EXPECT_EQ(dialog.choices().vehicle, vehicle->currentText().toStdString());
    EXPECT_TRUE(child<QPlainTextEdit>(&dialog, QStringLiteral("txtPreview"))
                    ->toPlainText()
                    .contains(QStringLiteral("Vehicle: ") + vehicle->currentText()));
}
