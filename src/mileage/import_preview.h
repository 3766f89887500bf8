// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What the tracker shows before another app's export replaces the log: the app, the fill-ups
// found and their dates, the units converted, the partial fill-ups merged, the missed fill-ups
// estimated, the rows skipped, and the entries whose tank MPG a skipped row makes unreliable.
// Milora's own files have nothing of the kind to tell and replace the log without it.

#include "mileage/fuel_import.h"
#include "mileage/mileage_log.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace milora::mileage {

inline constexpr const char* kPreviewTitle = "Import Fill-Ups";
inline constexpr std::size_t kPreviewSkippedShown = 5; // skipped rows listed; the rest counted

inline constexpr MileageLog::Index kPreviewRowsShown = 5; // first entries shown as listed

struct ImportPreview {
    std::string title = kPreviewTitle;
    std::string text; // lines separated by "\n"
    // What the user may change, and how the file was read: the choices that give this preview,
    // with each reading the user may change filled in.
    ImportChoices choices;
    bool units_open = false;           // the units were assumed (or chosen): they may be changed
    bool dates_open = false;           // the order of day and month was assumed (or chosen)
    std::vector<std::string> vehicles; // the file's vehicles, when it holds several
    bool can_accept = true;            // false when nothing was read: no OK
    bool operator==(const ImportPreview&) const = default;
};

// The preview of the same file read with other choices.
using Repreview = std::function<ImportPreview(const ImportChoices&)>;
// The choices the user said OK to (the preview's own when nothing was changed), or nullopt for
// Cancel. `again` reads the file anew for the choices the user tries.
using Preview =
    std::function<std::optional<ImportChoices>(const ImportPreview&, const Repreview& again)>;

// The preview of a reading made with `asked`: the text, and what is left open to change. A
// reading that failed shows why and cannot be accepted.
ImportPreview import_preview(const std::string& path, const LogRead& read, const MileageLog& log,
                             const ImportChoices& asked);

// The average MPG a log gives when its file is read in these units.
struct UnitReading {
    DistanceUnit distance = DistanceUnit::Miles;
    VolumeUnit volume = VolumeUnit::UsGallons;
    double mpg = 0;
    bool operator==(const UnitReading&) const = default;
};

// When the file names no unit of its odometer or fuel: the average MPG under each plausible
// reading, the one used first. Empty when the file names its units (or they were chosen) or the
// log has fewer than two entries.
std::vector<UnitReading> unit_readings(const ImportReport& report, const MileageLog& log);
const char* unit_words(DistanceUnit unit); // "miles"
const char* unit_words(VolumeUnit unit);   // "US gallons"
// That the units were assumed and the MPG under each reading, one line ending in "\n"; empty when
// no unit was assumed.
std::string assumed_units_text(const ImportReport& report, const MileageLog& log);

bool needs_preview(const ImportReport& report);
// What became of the tanks that lost a skipped fill-up's fuel, one line ending in "\n"; empty
// when none did.
std::string skipped_fuel_text(const ImportReport& report);
ImportPreview import_preview(const std::string& path, const ImportReport& report,
                             const MileageLog& log);

} // namespace milora::mileage
