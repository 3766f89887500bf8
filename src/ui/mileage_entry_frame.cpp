// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_entry_frame.h"

#include "ui/mileage_date_box.h"
#include "ui/qt_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string_view>

namespace milora::ui {

QPushButton* make_tracker_button(const char* name, const char* caption, const char* tooltip,
                                 QWidget* parent) {
    auto* b = new QPushButton(latin_text(caption), parent);
    b->setObjectName(latin_text(name));
    b->setToolTip(latin_text(tooltip));
    b->setAutoDefault(false);
    return b;
}

MileageEntryFrame::MileageEntryFrame(QWidget* parent)
    : QGroupBox(QStringLiteral("Gas Purchase Data"), parent) {
    setObjectName(QStringLiteral("fraAddNew"));
    auto* grid = new QGridLayout(this);

    picker_ = new MileageDateBox(this);
    miles_ = new QLineEdit(this);
    miles_->setObjectName(QStringLiteral("txtMiles"));
    miles_->setToolTip(QStringLiteral("Enter the odometer reading at the time you bought the gas"));
    gallons_ = new QLineEdit(this);
    gallons_->setObjectName(QStringLiteral("txtGallons"));
    gallons_->setToolTip(
        QStringLiteral("Enter the number of gallons you bought when you filled up"));

    const struct {
        const char* name;
        const char* caption;
        QWidget* field;
    } rows[] = {{"lblPurchase_Date", "Purchase Date", picker_},
                {"lblMiles", "Odometer Mileage", miles_},
                {"lblGallons", "Gallons Purchased At Fillup", gallons_}};
    int r = 0;
    for (const auto& row : rows) {
        auto* label = new QLabel(latin_text(row.caption), this);
        label->setObjectName(latin_text(row.name));
        label->setBuddy(row.field);
        row.field->setMinimumWidth(120);
        grid->addWidget(label, r, 0, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(row.field, r, 1);
        ++r;
    }

    auto* add_button = make_tracker_button(
        "cmdAddEntry", "Add Purchase",
        "After entering the data in the boxes at left, click here to add the data to the list "
        "above",
        this);
    auto* missing = make_tracker_button(
        "cmdAdd_With_Missing", "Add Purchase (With Missing Data)",
        "If you've lost or misplaced the data for one or more gas purchases, use this button",
        this);
    auto* done = make_tracker_button("cmdDoneAdding", "Finished",
                                     "Click this when you're done entering data, or if you "
                                     "change your mind and don't want to enter any",
                                     this);
    connect(add_button, &QPushButton::clicked, this, [this] { on_add(false); });
    connect(missing, &QPushButton::clicked, this, [this] { on_add(true); });
    connect(done, &QPushButton::clicked, this, [this] { on_done(); });
    grid->addWidget(add_button, 0, 3);
    grid->addWidget(missing, 1, 3);
    grid->addWidget(done, 2, 3);
    grid->setColumnMinimumWidth(2, 16);
    grid->setColumnStretch(2, 1);
}

void MileageEntryFrame::set_units(mileage::Units units) {
    findChild<QLabel*>(QStringLiteral("lblMiles"))->setText(odometer_caption(units));
    findChild<QLabel*>(QStringLiteral("lblGallons"))->setText(volume_caption(units));
}

QString odometer_caption(mileage::Units units) {
    return std::string_view(mileage::describe(units).distance) == "km"
               ? QStringLiteral("Odometer Reading (km)")
               : QStringLiteral("Odometer Mileage");
}

QString volume_caption(mileage::Units units) {
    QStringList words = latin_text(mileage::describe(units).volume).split(QLatin1Char(' '));
    for (QString& w : words) {
        w[0] = w[0].toUpper();
    }
    return words.join(QLatin1Char(' ')) + QStringLiteral(" Purchased At Fillup");
}

bool MileageEntryFrame::is_entry_box(const QWidget* w) const {
    return w != nullptr && (w == picker_ || w == miles_ || w == gallons_);
}

} // namespace milora::ui
