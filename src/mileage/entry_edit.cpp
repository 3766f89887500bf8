// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/entry_edit.h"

#include "numbers/format_pattern.h"
#include "numbers/number_reading.h"
#include "numbers/precision.h"

namespace milora::mileage {

namespace messages {

Message odometer_not_below_next() {
    return {"Odometer Reading Error", "Odometer reading not less than the next value.",
            Icon::Warning, Buttons::Ok};
}

Message delete_question(const Fillup& entry) {
    return {"Delete Entry?",
            "Delete the gas purchase of " + entry.Fillup_Date + " at " +
                numbers::format(entry.Fillup_Odometer, "#0") +
                " on the odometer? Click Yes to delete it, or No to keep it.",
            Icon::Question, Buttons::YesNo, Answer::No};
}

} // namespace messages

EntryOutcome edit_entry(MileageLog& log, MileageLog::Index i, const EntryDate& date,
                        const std::string& miles, const std::string& gallons, bool missing_data,
                        Dialogue& dialogue, Units units) {
    // The log as typed up to the entry before this one: the rules of a new entry apply there.
    MileageLog before;
    before.reserve(i - 1);
    for (MileageLog::Index j = 1; j < i; ++j) {
        const Fillup f = log.entry(j);
        before.append(f.Fillup_Date, f.Fillup_Odometer, f.Fillup_Gallons);
    }
    const EntryOutcome outcome =
        missing_data ? add_with_missing(before, date, miles, gallons, dialogue, units)
                     : add_entry(before, date, miles, gallons, dialogue, units);
    if (!outcome.added) {
        return outcome;
    }
    Fillup changed = before.last();
    if (i < log.fillup_count() && !(changed.Fillup_Odometer < log.odometer(i + 1))) {
        dialogue.tell(messages::odometer_not_below_next());
        return {false, EntryBox::Miles};
    }
    try {
        log.replace(i, changed);
    } catch (const numbers::FloatFault&) {
        dialogue.tell(messages::no_meaningful_result());
        return {};
    }
    return outcome;
}

} // namespace milora::mileage
