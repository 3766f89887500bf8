// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// dlgEdit_Entry: the Edit menu's "Edit Entry" dialog, with the entry's date, odometer, gallons and
// missing-data mark. OK hands the boxes to `attempt` (the tracker's rules); a refusal keeps the
// dialog open with the focus in the box to correct, and what was typed stays.

#include "mileage/entry_rules.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;

namespace milora::ui {

class MileageDateBox;

class MileageEditDialog : public QDialog {
public:
    using Attempt = std::function<mileage::EntryOutcome(
        const mileage::EntryDate& date, const std::string& miles, const std::string& gallons,
        bool missing_data)>;

    // The boxes show and take the entry in `units`.
    MileageEditDialog(const mileage::Fillup& entry, mileage::Units units, Attempt attempt,
                      QWidget* parent);

private:
    void try_ok();

    Attempt attempt_;
    MileageDateBox* date_ = nullptr;
    QLineEdit* miles_ = nullptr;
    QLineEdit* gallons_ = nullptr;
    QCheckBox* missing_ = nullptr;
};

} // namespace milora::ui
