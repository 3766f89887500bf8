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

bool needs_preview(const ImportReport& report);
// What became of the tanks that lost a skipped fill-up's fuel, one line ending in "\n"; empty
// when none did.
std::string skipped_fuel_text(const ImportReport& report);
ImportPreview import_preview(const std::string& path, const ImportReport& report,
                             const MileageLog& log);

} // namespace milora::mileage
