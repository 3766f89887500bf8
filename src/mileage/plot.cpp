// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/plot.h"

#include "numbers/format_pattern.h"
#include "numbers/precision.h"

#include <cmath>
#include <stdexcept>

namespace milora::mileage {
namespace {

double sign(double v) {
    return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0);
}

// An MPG of the log as the plot shows it.
double in_units(Units units, float mpg) {
    return units == Units::UsMpg ? double{mpg} : shown_economy(units, mpg);
}

} // namespace

const std::array<SeriesDesc, 5>& plot_series() {
    static const std::array<SeriesDesc, 5> series{{
        {Series::Tank, "chkShow_Tank_Average", "Average for every tank", "Tank-by-tank MPG average",
         "lnAverage", 0, 0, 255, false},
        {Series::Overall, "chkOverall_Combined_Average", "Overall combined average",
         "Cumulative combined MPG average to dat", "lnOverall", 0, 255, 0, true},
        {Series::FiveTank, "chkShow_5_Tank_Average", "5-tank average",
         "Moving MPG average over 5 tanks of gas", "ln5tank", 0, 0, 0, true},
        {Series::EpaUncorrected, "chkShow_EPA_Uncorrected", "Uncorrected EPA combined city/hwy MPG",
         "Standard EPA combined city/hwy MPG", "lnUncorrected", 255, 0, 255, false},
        {Series::EpaCorrected, "chkShow_EPA_Corrected", "Corrected EPA combined city/hwy MPG",
         "Standard EPA combined city/hwy MPG reduced by 14% to better reflect reality",
         "lnCorrected", 255, 0, 0, false},
    }};
    return series;
}

std::optional<EpaReference> epa_reference(float city_mpg, float highway_mpg) {
    if (!(city_mpg > 0) || !(highway_mpg > 0)) {
        return std::nullopt;
    }
    try {
        EpaReference r;
        r.U =
            numbers::single(1 / (45.0 / 100 / double{highway_mpg} + 55.0 / 100 / double{city_mpg}));
        r.K = numbers::single(numbers::round_half_even(double{r.U} * 0.86));
        return r;
    } catch (const numbers::FloatFault&) {
        return std::nullopt;
    }
}

PlotRange plot_range(const MileageLog& log, Units units) {
    const MileageLog::Index n = log.fillup_count();
    if (n < 2) {
        throw std::logic_error("a plot needs two entries");
    }
    // Whole numbers; each value is compared unrounded against the whole number held.
    double lo = numbers::round_half_even(in_units(units, log.entry(2).Tank_MPG));
    double hi = lo;
    auto widen = [&](float mpg) {
        const double v = in_units(units, mpg);
        if (v < lo) {
            lo = numbers::round_half_even(v);
        }
        if (v > hi) {
            hi = numbers::round_half_even(v);
        }
    };
    const auto& entries = log.entries();
    for (std::size_t i = 1; i < entries.size(); ++i) {
        widen(entries[i].Tank_MPG);
    }
    for (std::size_t i = 1; i < entries.size(); ++i) {
        widen(entries[i].Overall_MPG);
    }
    lo = numbers::round_half_even((1 - sign(lo) * 0.05) * lo);
    hi = numbers::round_half_even((sign(hi) * 0.05 + 1) * hi);
    if (lo == hi) {
        // Every value rounds to the same small whole number: one MPG either way keeps a range.
        lo -= 1;
        hi += 1;
    }
    return {lo, hi};
}

PlotLabels plot_labels(const MileageLog& log, const PlotRange& range) {
    PlotLabels l;
    l.lblMin = numbers::format(range.lo, "0.0");
    l.lblMax = numbers::format(range.hi, "0.0");
    l.lblMid = numbers::format((range.hi + range.lo) / 2, "0.0");
    if (!log.empty()) {
        l.lblDateMin = log.entry(1).Fillup_Date;
        l.lblDateMax = log.last().Fillup_Date;
    }
    return l;
}

std::vector<PlotPoint> series_points(const MileageLog& log, Series series,
                                     const std::optional<EpaReference>& epa, Units units) {
    std::vector<PlotPoint> points;
    const MileageLog::Index n = log.fillup_count();
    if (n < 2) {
        return points;
    }
    if (series == Series::EpaUncorrected || series == Series::EpaCorrected) {
        if (epa) {
            const double y = in_units(units, series == Series::EpaUncorrected ? epa->U : epa->K);
            points = {{2, y}, {static_cast<double>(n), y}};
        }
        return points;
    }
    points.reserve(static_cast<std::size_t>(n - 1));
    for (MileageLog::Index i = 2; i <= n; ++i) {
        const Fillup& f = log.entry(i);
        const float y = series == Series::Tank      ? f.Tank_MPG
                        : series == Series::Overall ? f.Overall_MPG
                                                    : f.Five_Tank_MPG;
        points.push_back({static_cast<double>(i), in_units(units, y)});
    }
    return points;
}

Message plot_needs_three() {
    return {"More Data Needed", "A minimum of three points is needed for a plot to make any sense.",
            Icon::Information, Buttons::Ok};
}

} // namespace milora::mileage
