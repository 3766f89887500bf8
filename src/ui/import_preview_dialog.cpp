// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/import_preview_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace milora::ui {
namespace {

using mileage::DateOrder;
using mileage::DistanceUnit;
using mileage::VolumeUnit;

// Selects the item whose data is `value`, without telling anyone.
void select(QComboBox* box, int value) {
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(std::max(0, box->findData(value)));
}

int chosen(const QComboBox* box) {
    return box->currentData().toInt();
}

} // namespace

ImportPreviewDialog::ImportPreviewDialog(QWidget* parent, const mileage::ImportPreview& preview,
                                         mileage::Repreview again)
    : QDialog(parent), preview_(preview), again_(std::move(again)) {
    setObjectName(QStringLiteral("ImportPreview"));
    setWindowTitle(QString::fromStdString(preview.title));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Milora found this in the file:"), this);
    layout->addWidget(heading);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("txtPreview"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The first rows are shown as the log lists them, in columns.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics(text_->font());
    text_->setMinimumSize(metrics.averageCharWidth() * 90, metrics.lineSpacing() * 24);
    layout->addWidget(text_);
    auto* grid = new QGridLayout;
    build_choices(grid);
    layout->addLayout(grid);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->setObjectName(QStringLiteral("buttons"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons_);
    show_preview();
}

QComboBox* ImportPreviewDialog::add_choice(QGridLayout* grid, const QString& label,
                                           const char* name, const QString& tip) {
    const int row = grid->rowCount();
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(tip);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(box);
    caption->setToolTip(tip);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

// A box for each reading the file left open, set to the reading shown.
void ImportPreviewDialog::build_choices(QGridLayout* grid) {
    const mileage::ImportChoices& c = preview_.choices;
    if (preview_.units_open) {
        distance_ = add_choice(grid, tr("&Distance unit of the file:"), "cboDistance",
                               tr("The unit of the file's odometer readings; no heading names "
                                  "it"));
        for (const DistanceUnit d : {DistanceUnit::Miles, DistanceUnit::Kilometres}) {
            distance_->addItem(QString::fromLatin1(mileage::unit_words(d)), static_cast<int>(d));
        }
        select(distance_, static_cast<int>(c.distance.value_or(DistanceUnit::Miles)));
        volume_ = add_choice(grid, tr("&Fuel unit of the file:"), "cboVolume",
                             tr("The unit of the fuel bought at each fill-up; no heading names "
                                "it"));
        for (const VolumeUnit v :
             {VolumeUnit::UsGallons, VolumeUnit::Litres, VolumeUnit::ImperialGallons}) {
            volume_->addItem(QString::fromLatin1(mileage::unit_words(v)), static_cast<int>(v));
        }
        select(volume_, static_cast<int>(c.volume.value_or(VolumeUnit::UsGallons)));
    }
    if (preview_.dates_open) {
        dates_ = add_choice(grid, tr("Date &order:"), "cboDates",
                            tr("The order of day and month in the file's dates, which the file "
                               "does not tell"));
        dates_->addItem(tr("month/day/year"), static_cast<int>(DateOrder::MonthDayYear));
        dates_->addItem(tr("day/month/year"), static_cast<int>(DateOrder::DayMonthYear));
        dates_->addItem(tr("year-month-day"), static_cast<int>(DateOrder::YearMonthDay));
        select(dates_, static_cast<int>(c.dates.value_or(DateOrder::MonthDayYear)));
    }
    if (!preview_.vehicles.empty()) {
        vehicle_ = add_choice(grid, tr("&Vehicle:"), "cboVehicle",
                              tr("The file holds the fill-ups of several vehicles: the one to "
                                 "read"));
        for (const std::string& name : preview_.vehicles) {
            vehicle_->addItem(QString::fromStdString(name));
        }
        const QSignalBlocker quiet(vehicle_);
        vehicle_->setCurrentText(QString::fromStdString(c.vehicle.value_or(std::string())));
    }
    for (QComboBox* box : {distance_, volume_, dates_, vehicle_}) {
        if (box != nullptr) {
            connect(box, &QComboBox::currentIndexChanged, this, [this] { read_again(); });
        }
    }
}

// The file read again with the boxes' choices.
void ImportPreviewDialog::read_again() {
    mileage::ImportChoices c = preview_.choices;
    if (distance_ != nullptr) {
        c.distance = static_cast<DistanceUnit>(chosen(distance_));
        c.volume = static_cast<VolumeUnit>(chosen(volume_));
    }
    if (dates_ != nullptr) {
        c.dates = static_cast<DateOrder>(chosen(dates_));
    }
    if (vehicle_ != nullptr) {
        c.vehicle = vehicle_->currentText().toStdString();
    }
    if (!again_ || c == preview_.choices) {
        return;
    }
    const mileage::ImportPreview fresh = again_(c);
    // What the boxes offer stays; the text, the figures and whether OK may be pressed follow.
    preview_.text = fresh.text;
    preview_.can_accept = fresh.can_accept;
    preview_.choices = c;
    show_preview();
}

void ImportPreviewDialog::show_preview() {
    text_->setPlainText(QString::fromStdString(preview_.text));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(preview_.can_accept);
}

std::optional<mileage::ImportChoices>
QtImportPreviewService::confirm(QWidget* parent, const mileage::ImportPreview& preview,
                                const mileage::Repreview& again) {
    ImportPreviewDialog dialog(parent, preview, again);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choices();
}

} // namespace milora::ui
