// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// fraAddNew: the tracker's entry frame, with the purchase date, the odometer and gallons boxes
// and the three buttons. It holds what was typed; the tracker decides what is stored.

#include "mileage/units.h"

#include <QGroupBox>
#include <functional>

class QLineEdit;
class QPushButton;

namespace milora::ui {

class MileageDateBox;

// The captions of the odometer and gallons boxes in `units`.
QString odometer_caption(mileage::Units units);
QString volume_caption(mileage::Units units);

QPushButton* make_tracker_button(const char* name, const char* caption, const char* tooltip,
                                 QWidget* parent);

class MileageEntryFrame : public QGroupBox {
public:
    explicit MileageEntryFrame(QWidget* parent);

    // What the buttons do: add (true for the missing-data add) and finish.
    std::function<void(bool with_missing)> on_add;
    std::function<void()> on_done;

    MileageDateBox* picker() const { return picker_; }
    QLineEdit* miles() const { return miles_; }
    QLineEdit* gallons() const { return gallons_; }
    // The box labels name the units the boxes take.
    void set_units(mileage::Units units);
    // Whether `w` is one of the frame's entry boxes.
    bool is_entry_box(const QWidget* w) const;

private:
    MileageDateBox* picker_ = nullptr;
    QLineEdit* miles_ = nullptr;
    QLineEdit* gallons_ = nullptr;
};

} // namespace milora::ui
