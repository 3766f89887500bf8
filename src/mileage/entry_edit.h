// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Changing an entry already in the log: the new date, odometer and gallons pass the rules of a
// new entry against the entries before it (entry_rules.h), as if the log had been typed up to
// there, and the odometer must also stay below the next entry's. With the missing-data mark the
// gallons are those at the overall average of the entries before it, as "Add Purchase (With
// Missing Data)" stores them.

#include "mileage/entry_rules.h"

namespace milora::mileage {

EntryOutcome edit_entry(MileageLog& log, MileageLog::Index i, const EntryDate& date,
                        const std::string& miles, const std::string& gallons, bool missing_data,
                        Dialogue& dialogue, Units units = Units::UsMpg);

namespace messages {

Message odometer_not_below_next();
Message delete_question(const Fillup& entry);

} // namespace messages

} // namespace milora::mileage
