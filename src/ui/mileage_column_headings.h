// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The tracker list's look: the fixed-pitch font its columns need, and the column headings that
// stand centred above the list's columns.

#include "mileage/units.h"

#include <QFont>
#include <QWidget>
#include <vector>

class QLabel;

namespace milora::ui {

class MileageListView;

// The platform's fixed-pitch font, or a typewriter face where the platform names none.
QFont fixed_pitch_font();

class ColumnHeadings : public QWidget {
public:
    ColumnHeadings(MileageListView* list, QWidget* parent);
    // The headings name the units the list shows.
    void set_units(mileage::Units units);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Heading {
        QLabel* label;
        double centre; // 1-based character column of the list
        double width;  // in characters
    };
    MileageListView* list_;
    std::vector<Heading> labels_;
};

} // namespace milora::ui
