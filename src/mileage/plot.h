// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What the plot window shows, without drawing it: the five series and their colours, the
// vertical range with its margins, the axis labels, and the two EPA reference values.
//
// The horizontal axis is the entry number from 2 (the first entry with an MPG) to n. The
// vertical range is taken from the tank and overall series only, in whole MPG, and widened by
// 5 percent each way; the five-tank and EPA lines may run outside it and are clipped.

#include "base/message.h"
#include "mileage/mileage_log.h"
#include "mileage/units.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace milora::mileage {

enum class Series { Tank, Overall, FiveTank, EpaUncorrected, EpaCorrected };

struct SeriesDesc {
    Series series;
    const char* check_box;
    const char* caption;
    const char* tooltip;
    const char* legend_line;
    int red, green, blue;
    bool checked; // when the window opens
};

// In drawing order.
const std::array<SeriesDesc, 5>& plot_series();

// The EPA combined MPG at a fixed 55 percent city and 45 percent highway (U), and the same
// reduced by 14 percent and rounded to a whole MPG (K). nullopt when the EPA figures give no
// meaningful value (zero or negative MPG); then the two lines are not drawn.
struct EpaReference {
    float U = 0;
    float K = 0;
};
std::optional<EpaReference> epa_reference(float city_mpg, float highway_mpg);

// The vertical range in whole MPG; for a log of two entries or more.
struct PlotRange {
    double lo = 0;
    double hi = 0;
};
// In `units`: its fuel economy is what the series show (for litres per 100 km, lower is better).
PlotRange plot_range(const MileageLog& log, Units units = Units::UsMpg);

struct PlotLabels {
    std::string lblMin, lblMid, lblMax, lblDateMin, lblDateMax;
};
PlotLabels plot_labels(const MileageLog& log, const PlotRange& range);

struct PlotPoint {
    double x = 0;
    double y = 0;
};
// The points of one series: (i, value) for i = 2..n, or the two ends of an EPA line.
std::vector<PlotPoint> series_points(const MileageLog& log, Series series,
                                     const std::optional<EpaReference>& epa,
                                     Units units = Units::UsMpg);

// The tracker plots only a log of more than two entries.
inline constexpr MileageLog::Index kPlotMinimumEntries = 3;
Message plot_needs_three();

} // namespace milora::mileage
