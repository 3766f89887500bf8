// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The tracker's list: one line per entry, laid out by character columns (1-based), each value
// right-aligned to end at its column: date 10, odometer 21 ("#0"), gallons 35 ("#0.0"), tank MPG
// 52 ("0.0"), five-tank MPG 67 ("00.0"). The first entry has no MPG and shows "XXXX" at columns
// 49 to 52 and 63 to 66. A line is at least 69 columns long. A value too long for its place runs
// further left, but never over the value before it: one blank always stays between them. A date
// longer than its ten columns runs left of the first column: its line then starts with that
// overflow (entry_line_lead), and the list shows such a line that much further left.
//
// The list text starts empty; each entry adds CR LF and its line, so the list begins with an
// empty line.

#include "mileage/mileage_log.h"
#include "mileage/units.h"

#include <string>

namespace milora::mileage {

inline constexpr std::size_t kLineColumns = 69;
inline constexpr std::size_t kDateColumn = 10; // where the date ends

// How many characters entry i's line holds before its first column (a long date's overflow).
std::size_t entry_line_lead(const MileageLog& log, MileageLog::Index i);

// The list line of entry i (1-based) of the log, its figures in `units`.
std::string entry_line(const MileageLog& log, MileageLog::Index i, Units units = Units::UsMpg);

// CR LF and the line: what the list gains when entry i is appended.
std::string entry_line_addition(const MileageLog& log, MileageLog::Index i,
                                Units units = Units::UsMpg);

// The whole list of a log, as reading a file builds it.
std::string list_text(const MileageLog& log, Units units = Units::UsMpg);

} // namespace milora::mileage
