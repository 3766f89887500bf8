// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Mileage files (*.miloragas) and comma-separated files (*.csv) share one format: one line per
// entry, in entry order, no header:
//
//     "9/16/2006",12345,10.5<CR><LF>
//
// the date text in double quotes (a quote inside it doubled), then the odometer reading and the
// gallons in the number text form, or with up to 9 significant digits where 7 would not read back
// to the value held (a value typed in kilometres or litres and held in miles or US gallons).
// Reading takes each line as one record of three comma-separated items: a quoted item without its
// quotes, an unquoted one up to the next comma with blanks around it dropped; the two numbers are
// plain decimal numbers with a point (no thousands separators). CR LF, a lone CR or a lone LF ends
// a line; blank lines are skipped.
//
// Reading stops at the first line that is not such a record, or whose fill-up gives no
// meaningful MPG (no gallons); the entries before it stay in the log, and the result says at
// which line reading stopped and why, so that the user can be told.

#include "base/atomic_file.h"
#include "base/message.h"
#include "base/result.h"
#include "mileage/mileage_log.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace milora::mileage {

// The file text of the whole log.
std::string mileage_file_text(const MileageLog& log);

// Creates or replaces the file atomically: a failed write leaves an old file whole.
// `before_rename` as for write_file_atomically (a test's stand-in for a crash).
Status write_mileage_file(const std::string& path, const MileageLog& log,
                          const std::function<void()>& before_rename = {});

struct ReadStop {
    std::int64_t line = 0; // 1-based line of the file where reading stopped
    std::string reason;    // what is wrong with that line, for the user
};

struct ReadResult {
    std::int64_t entries = 0;     // entries appended to the log
    std::optional<ReadStop> stop; // set when reading stopped before the end of the file
    bool cancelled = false;       // `progress` said to stop
    // Lines skipped because their odometer reading is not above the entry before (a hand-edited
    // or merged file): the first kSkippedKept of them, and how many there are in all.
    static constexpr std::size_t kSkippedKept = 1000;
    std::vector<ReadStop> skipped;
    std::int64_t skipped_lines = 0;
    // Entries (1-based) right after a skipped line: their tank lost that fill-up's fuel.
    std::vector<MileageLog::Index> unreliable;
};

// Whether `line` is one record of the format above (how a file in it is recognised).
bool is_mileage_record(std::string_view line);

// Appends the records of `contents` to `log`. A line whose odometer reading is not above the last
// entry's is skipped and listed (it would give a tank of negative or no MPG), and reading goes on.
// `progress`, when given, is told now and then how many bytes of `contents` have been read; when it
// returns false, reading stops there (cancelled).
ReadResult read_mileage_text(const std::string& contents, MileageLog& log,
                             const std::function<bool(std::size_t, std::size_t)>& progress = {});

// Reads a whole file first: a failure when it cannot be opened or read, whose reason says what
// kept it from being read (and then the log is untouched).
Result<std::string> read_mileage_contents(const std::string& path);

// What the user is told when reading stopped part-way, when a file cannot be opened, and when a
// save fails.
Message read_stopped_message(const std::string& path, const ReadResult& result);
// What the user is told when lines were skipped (result.skipped_lines > 0).
Message lines_skipped_message(const std::string& path, const ReadResult& result);
Message cannot_open_message(const std::string& path, const std::string& why = {});
Message save_failed_message(const std::string& path, const std::string& why);

} // namespace milora::mileage
