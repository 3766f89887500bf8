// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Adding a fill-up to the log from the entry boxes: the checks on the odometer reading and the
// gallons, the two plausibility questions against the overall average MPG, and the entry that
// stands in for forgotten fill-ups. Messages and questions go through `ask`, which returns the
// user's answer.
//
// The boxes are read as the calculator boxes are: the whole text is one number, with thousands
// separators in groups of three ("12,345" is 12345); a text that is no such number is refused.

#include "base/message.h"
#include "mileage/mileage_log.h"

#include <functional>
#include <optional>
#include <string>

namespace milora::mileage {

using Ask = std::function<Answer(const Message&)>;

enum class EntryBox { Miles, Gallons };

struct EntryOutcome {
    bool added = false;
    std::optional<EntryBox> focus; // the box to put the focus into after a refused check
};

// The "Add Purchase" button.
EntryOutcome add_entry(MileageLog& log, const std::string& date, const std::string& miles,
                       const std::string& gallons, const Ask& ask);

// The "Add Purchase (With Missing Data)" button: the gallons box must hold a valid number, but
// the stored gallons are those that the miles since the last fill-up take at the overall
// average, so the new tank's MPG equals that average.
EntryOutcome add_with_missing(MileageLog& log, const std::string& date, const std::string& miles,
                              const std::string& gallons, const Ask& ask);

namespace messages {

Message odometer_invalid();
Message odometer_not_above();
Message gallons_invalid();
Message far_above_average();
Message far_below_average();
Message missing_needs_two();
Message missing_confirm();
Message no_meaningful_result();

} // namespace messages

} // namespace milora::mileage
