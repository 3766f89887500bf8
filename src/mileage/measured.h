// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The combined MPG and the miles driven yearly, measured from the user's own fill-ups, for the
// Data Settings boxes that every calculator starts from.
//
// The last entry ends the measure. The window is the entries dated within the 365 days before
// it; the measure starts from the last entry before the window (the first entry when there is
// none), whose tank the later fill-ups refill:
//
//     distance = last odometer - starting odometer
//     fuel     = gallons of every entry after the starting one (a missing-data entry counts
//                with the gallons it was given)
//     MPG      = distance / fuel
//     yearly   = distance x 365 / days from the starting entry to the last
//
// all in double precision. It needs two fill-ups or more after the starting one and 28 days or
// more; otherwise, and when the dates cannot be read, go backwards, or the odometer goes back
// (a reset), the result says why in a sentence for the user. Only the entries from the starting
// one on are looked at closely; an older entry never keeps a recent year from being measured.
//
// Dates are read as the tracker writes them and the import converts them: M/D/YYYY in the US,
// D/M/YYYY or D.M.YYYY where the locale puts the day first, YYYY-MM-DD, with two-digit years
// read as 1970 to 2069. Which of day and month comes first is told from the whole log (a first
// number above 12 means day first, a second above 12 month first); a log where it cannot be
// told follows the caller's order.

#include "base/message.h"
#include "mileage/mileage_log.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace milora::mileage {

enum class DayMonthOrder { MonthFirst, DayFirst };

// Days since 1 January 1970 of a date text, or nullopt when it is not a date that exists.
std::optional<std::int64_t> fillup_day(std::string_view date, DayMonthOrder order);

inline constexpr int kMeasureDays = 365;  // the window before the last entry
inline constexpr int kMinimumDays = 28;   // from the starting entry to the last
inline constexpr int kMinimumFillups = 3; // the starting entry and two after it

struct Measured {
    double mpg = 0;            // distance / fuel
    double miles_per_year = 0; // distance x 365 / days
    double distance = 0;
    double gallons = 0;
    std::int64_t days = 0;
    std::string from;            // the starting entry's date text, as in the log
    std::string to;              // the last entry's
    MileageLog::Index first = 0; // the starting entry, 1-based
    MileageLog::Index last = 0;
    // Fill-ups used: the starting entry and every one after it.
    std::int64_t fill_ups() const { return last - first + 1; }
};

struct Measurement {
    std::optional<Measured> measured;
    std::string reason; // why there is nothing measured; empty when there is
};

// `unreliable`: entries whose tank lost the fuel of a fill-up the reader skipped (the import's
// report); the measure refuses to run across one, since its MPG would come out too high.
Measurement measure_log(const MileageLog& log, DayMonthOrder order = DayMonthOrder::MonthFirst,
                        std::span<const MileageLog::Index> unreliable = {});

struct LogRead;

// A log as the tracker's reader left it: not measured when the file was in none of the layouts or
// its reading stopped part-way (the fill-ups after the bad line are missing), else measure_log
// with the entries the reader marked unreliable.
Measurement measure_read(const LogRead& read, const MileageLog& log, DayMonthOrder order);

// A log file read with the tracker's reader (another app's export included) and measured.
// `failure` is what the user is told when the file cannot be read whole or gives no figures; a
// file that stops part-way is not measured, since its fill-ups after the bad line are missing.
struct FileMeasurement {
    std::optional<Measured> measured;
    std::string reason;             // the measure's reason, or why the file could not be read
    std::optional<Message> failure; // set exactly when nothing is measured
};
FileMeasurement measure_file(const std::string& path,
                             DayMonthOrder order = DayMonthOrder::MonthFirst);

// What the user is told when a log gives no figures ("`where`" names the log).
Message cannot_measure_message(const std::string& where, const std::string& reason);

// The values as the Data Settings boxes would show them typed: the MPG to one decimal, the miles
// whole, rounded half away from zero and written in the number text form ("27.4", "18", "11830").
std::string measured_mpg_text(double mpg);
std::string measured_miles_text(double miles);

} // namespace milora::mileage
