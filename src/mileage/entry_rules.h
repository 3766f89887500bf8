// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Adding a fill-up to the log from the entry boxes: the checks on the odometer reading and the
// gallons, the two plausibility questions against the overall average MPG, and the entry that
// stands in for forgotten fill-ups. Messages and questions go through the caller's Dialogue,
// which returns the user's answer.
//
// The boxes are read as the calculator boxes are: the whole text is one number, with thousands
// separators in groups of three ("12,345" is 12345); a text that is no such number is refused.

#include "base/dialogue.h"
#include "base/message.h"
#include "mileage/mileage_log.h"
#include "mileage/typed_date.h"
#include "mileage/units.h"

#include <optional>
#include <string>

namespace milora::mileage {

enum class EntryBox { Date, Miles, Gallons };

// The date of a new entry. A date given as text alone is stored as it is (a file's, a test's);
// a typed one is checked: a text that is no date is refused, and a date more than a day after
// today or before the previous entry's date is asked about first.
struct EntryDate {
    EntryDate(std::string stored) : text(std::move(stored)) {}
    EntryDate(const char* stored) : text(stored) {}
    static EntryDate typed(std::optional<CivilDate> value, std::string stored, CivilDate today,
                           DateOrder order, std::string example);

    std::string text; // what the entry stores
    bool checked = false;
    std::optional<CivilDate> value; // nullopt: what was typed is no date
    CivilDate today;
    DateOrder order = DateOrder::MonthDayYear; // how the previous entry's date is read
    std::string example;                       // a date in the form the user types
};

struct EntryOutcome {
    bool added = false;
    std::optional<EntryBox> focus; // the box to put the focus into after a refused check
};

// The "Add Purchase" button.
// The boxes are read in `units` and stored in miles and US gallons.
EntryOutcome add_entry(MileageLog& log, const EntryDate& date, const std::string& miles,
                       const std::string& gallons, Dialogue& dialogue, Units units = Units::UsMpg);

// The "Add Purchase (With Missing Data)" button: the gallons box must hold a valid number, but
// the stored gallons are those that the miles since the last fill-up take at the overall
// average, so the new tank's MPG equals that average.
EntryOutcome add_with_missing(MileageLog& log, const EntryDate& date, const std::string& miles,
                              const std::string& gallons, Dialogue& dialogue,
                              Units units = Units::UsMpg);

namespace messages {

Message odometer_invalid();
Message odometer_not_above();
Message gallons_invalid();
Message far_above_average();
Message far_below_average();
Message missing_needs_two();
Message missing_confirm();
Message no_meaningful_result();
Message date_invalid(const std::string& example);
Message date_in_future(const std::string& date);
Message date_before_previous(const std::string& date, const std::string& previous);

} // namespace messages

} // namespace milora::mileage
