// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_edit_dialog.h"

#include "ui/mileage_date_box.h"
#include "ui/mileage_entry_frame.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace milora::ui {

MileageEditDialog::MileageEditDialog(const mileage::Fillup& entry, mileage::Units units,
                                     Attempt attempt, QWidget* parent)
    : QDialog(parent), attempt_(std::move(attempt)) {
    setObjectName(QStringLiteral("dlgEdit_Entry"));
    setWindowTitle(QStringLiteral("Edit Entry"));
    auto* form = new QFormLayout(this);
    date_ = new MileageDateBox(this);
    date_->setText(qt_text(entry.Fillup_Date));
    miles_ = new QLineEdit(qt_text(mileage::distance_box_text(units, entry.Fillup_Odometer)), this);
    miles_->setObjectName(QStringLiteral("txtMiles"));
    gallons_ = new QLineEdit(qt_text(mileage::volume_box_text(units, entry.Fillup_Gallons)), this);
    gallons_->setObjectName(QStringLiteral("txtGallons"));
    missing_ = new QCheckBox(
        QStringLiteral("Missing data: gallons at the overall average, as for missed fill-ups"),
        this);
    missing_->setObjectName(QStringLiteral("chkMissing_Data"));
    form->addRow(QStringLiteral("Purchase Date"), date_);
    form->addRow(odometer_caption(units), miles_);
    form->addRow(volume_caption(units), gallons_);
    form->addRow(missing_);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* ok = make_tracker_button("cmdOK", "OK", "Change the entry", this);
    auto* cancel = make_tracker_button("cmdCancel", "Cancel", "Leave the entry as it was", this);
    // Enter presses the focused button, and OK from a box.
    ok->setAutoDefault(true);
    cancel->setAutoDefault(true);
    ok->setDefault(true);
    row->addWidget(ok);
    row->addWidget(cancel);
    form->addRow(row);
    connect(ok, &QPushButton::clicked, this, &MileageEditDialog::try_ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void MileageEditDialog::try_ok() {
    const mileage::EntryOutcome outcome =
        attempt_(date_->entry_date(), miles_->text().toStdString(), gallons_->text().toStdString(),
                 missing_->isChecked());
    if (outcome.added) {
        accept();
        return;
    }
    if (outcome.focus) {
        QLineEdit* box = *outcome.focus == mileage::EntryBox::Date    ? date_
                         : *outcome.focus == mileage::EntryBox::Miles ? miles_
                                                                      : gallons_;
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
}

} // namespace milora::ui
