// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_column_headings.h"

#include "ui/mileage_window_list.h"
#include "ui/qt_text.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>

namespace milora::ui {

// Some platforms (the offscreen one among them) name no fixed-pitch font; then the font matcher
// is asked for a typewriter face.
QFont fixed_pitch_font() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontInfo(f).fixedPitch()) {
        return f;
    }
    for (const char* family : {"monospace", "DejaVu Sans Mono", "Liberation Mono", "Courier New"}) {
        f.setFamily(latin_text(family));
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
        if (QFontInfo(f).fixedPitch()) {
            break;
        }
    }
    return f;
}

ColumnHeadings::ColumnHeadings(MileageListView* list, QWidget* parent)
    : QWidget(parent), list_(list) {
    const struct {
        const char* name;
        const char* caption;
        double centre;
        double width;
    } headings[] = {{"lblDate", "Date", 5.5, 10},
                    {"lblOdometer", "Odometer (miles)", 18.5, 14},
                    {"Label4", "Gas Purchased (gallons)", 33.5, 14},
                    {"Label5", "MPG since last fillup", 50.5, 14},
                    {"Label6", "MPG (5-tank average)", 65.5, 14}};
    for (const auto& h : headings) {
        auto* label = new QLabel(latin_text(h.caption), this);
        label->setObjectName(latin_text(h.name));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        labels_.push_back({label, h.centre, h.width});
    }
    setMinimumHeight(2 * fontMetrics().lineSpacing() + 4);
}

void ColumnHeadings::set_units(mileage::Units units) {
    if (units == mileage::Units::UsMpg) {
        const char* const captions[] = {"Date", "Odometer (miles)", "Gas Purchased (gallons)",
                                        "MPG since last fillup", "MPG (5-tank average)"};
        for (std::size_t i = 0; i < labels_.size(); ++i) {
            labels_[i].label->setText(latin_text(captions[i]));
        }
        return;
    }
    const mileage::UnitsDesc& u = mileage::describe(units);
    const QString economy = latin_text(u.economy);
    labels_[1].label->setText(QStringLiteral("Odometer (%1)").arg(latin_text(u.distance)));
    // Two lines at most above a column of fourteen characters.
    const bool imperial = units == mileage::Units::ImperialMpg;
    labels_[2].label->setText(
        QStringLiteral("Gas Purchased (%1)")
            .arg(imperial ? QStringLiteral("imp. gallons") : latin_text(u.volume)));
    labels_[3].label->setText(economy + QStringLiteral(" since last fillup"));
    labels_[4].label->setText(economy + QStringLiteral(" (5-tank average)"));
}

void ColumnHeadings::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const double column = list_->character_width();
    const double left = list_->frameWidth() + list_->unscrolled_column_x(0);
    for (const Heading& h : labels_) {
        const double x = left + (h.centre - 0.5 - h.width / 2) * column;
        h.label->setGeometry(static_cast<int>(x), 0, static_cast<int>(h.width * column), height());
    }
}

} // namespace milora::ui
