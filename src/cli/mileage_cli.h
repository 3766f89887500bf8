// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// milora-calc mileage FILE [--from FORMAT] [--car FILE] [--summary] [--plot] [--json]
//
// Reads a mileage file, a comma-separated file or another fuel-log app's export (FORMAT auto,
// the default, or milora, fuelly, fuelio, lubelogger, spritmonitor, drivvo, generic; see
// mileage/fuel_import.h) as the tracker's Open does and prints the list as the
// tracker shows it (one line per entry, after the list's empty first line); --summary adds the
// summary text, --plot the plot's range, axis labels and the two EPA reference values (from the
// built-in car data, or from --car FILE). --json prints all of it as one object, with the list
// and summary texts exactly as the tracker holds them, CR LF included, and an "import" object
// saying what reading found (format, units, rows, partial fill-ups merged, missed fill-ups
// estimated, skipped rows and why, entries whose tank MPG is unreliable).
//
// Exit status 4 when the file cannot be opened, is in none of the layouts, or when reading of a
// Milora file stopped before its end (what was read is still printed, and standard error says
// where and why). Rows skipped in an export are listed, not a failure.

#include "cli/options.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace milora::cli {

int run_mileage(const MileageOptions& options, std::ostream& out, std::ostream& err);

} // namespace milora::cli
