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
#include <string>
#include <vector>

namespace milora::mileage {

inline constexpr const char* kPreviewTitle = "Import Fill-Ups";
inline constexpr std::size_t kPreviewSkippedShown = 5; // skipped rows listed; the rest counted

struct ImportPreview {
    std::string title = kPreviewTitle;
    std::string text; // lines separated by "\n"
    bool operator==(const ImportPreview&) const = default;
};

// True when the user said OK.
using Preview = std::function<bool(const ImportPreview&)>;

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
