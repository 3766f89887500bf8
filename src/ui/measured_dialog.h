// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The measured MPG and yearly miles carried into the Data Settings boxes.
//
// MeasuredDialog shows what a log gave: the fill-ups and dates used, and each measured value
// beside what its box holds now, with a check box for each. Its OK fills the ticked boxes of the
// Data Settings window as if the user had typed the values there: the same check that leaving the
// box makes, the same change handling and modified flag; nothing is stored in the car data until
// the user commits as always. Two commands lead to it: "From Mileage Log..." in Data Settings,
// which reads a log file with the tracker's reader, and "Use In Calculators" in the tracker,
// which measures the log that is open and brings Data Settings up. The log the tracker last
// loaded or saved is remembered in the settings store as where the first of them starts.

#include "cardata/data_settings.h"
#include "mileage/measured.h"
#include "ui/services.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QLocale;

namespace milora::ui {

class Application;
class DataSettingsWindow;
class MileageWindow;

// The boxes the measure fills, in the dialog's order.
inline constexpr cardata::Field kMeasuredFields[] = {cardata::Field::CombinedMpg,
                                                     cardata::Field::YearlyMiles};

using BoxTexts = std::vector<std::pair<cardata::Field, std::string>>;

class MeasuredDialog : public QDialog {
    Q_OBJECT
public:
    // `apply` is given the ticked values on OK; the dialog closes when it returns true.
    using Apply = std::function<bool(const BoxTexts&)>;

    MeasuredDialog(const mileage::Measured& measured, const QString& source,
                   const cardata::DataSettings& current, Apply apply, QWidget* parent);

    // The ticked boxes with the measured texts.
    BoxTexts chosen() const;

    void accept() override;

private:
    BoxTexts measured_;
    std::vector<QCheckBox*> checks_;
    Apply apply_;
};

// The day-month order of the locale's fill-up dates, for logs that do not tell it themselves.
mileage::DayMonthOrder locale_date_order(const QLocale& locale);

// Fills the boxes of an open Data Settings window as if typed; false, after the box's own
// "Data Error" message, when one of the values is refused (then no box changes).
bool fill_data_settings(DataSettingsWindow& window, const BoxTexts& texts, MessageService& messages,
                        QWidget* message_parent);

// Data Settings' "From Mileage Log..." button.
void measure_for_data_settings(DataSettingsWindow& window, const Services& services);

// Adds the tracker's "Use In Calculators" command to its menu bar.
void add_use_in_calculators(MileageWindow& tracker, Application& app);

// The log the tracker last loaded or saved, remembered in the settings store.
void remember_last_log(const QString& path);
QString last_log();

} // namespace milora::ui
