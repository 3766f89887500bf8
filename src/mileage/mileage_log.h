// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The fill-up log of the mileage tracker.
//
// How the parts of src/mileage fit together: MileageLog holds the fill-ups and derives the MPG of
// each tank and the two running averages as each one is appended; entry_list turns an entry into
// its line of the tracker's list; mileage_file reads and writes the log as text (the mileage
// file and the comma-separated file share one format); entry_rules checks a new fill-up and asks
// the plausibility questions; summary and plot compute what the summary text and the plot
// window show; MileageTracker is the tracker window's behaviour without any widget, which the Qt
// window only renders and milora-calc drives from the command line.

#include <cstdint>
#include <string>
#include <vector>

namespace milora::mileage {

struct Fillup {
    std::string Fillup_Date; // as entered or read, never checked
    float Fillup_Odometer = 0;
    float Fillup_Gallons = 0;
    // Derived when the entry is appended; 0 for the first entry, which has no MPG.
    float Tank_MPG = 0;
    float Overall_MPG = 0;
    float Five_Tank_MPG = 0;
};

class MileageLog {
public:
    using Index = std::int64_t;

    // Number of entries; they are numbered 1 to fillup_count().
    Index fillup_count() const { return static_cast<Index>(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    // Entry i, 1-based.
    const Fillup& entry(Index i) const { return entries_.at(static_cast<std::size_t>(i - 1)); }
    const Fillup& last() const { return entries_.back(); }
    const std::vector<Fillup>& entries() const { return entries_; }

    // Appends a fill-up and derives its MPG values in single precision. When they are not finite
    // (no gallons, an overflow) it throws numbers::FloatFault and the log is unchanged.
    void append(std::string date, float odometer, float gallons);
    void clear();
    void reserve(Index count) { entries_.reserve(static_cast<std::size_t>(count)); }

    // Sum of the gallons of entries 2 to n, added in entry order in single precision; the first
    // fill-up's gallons only fill the tank that the log starts from.
    float gallons_after_first() const { return gallons_after_first_; }
    // The overall average A of a log of two entries or more (equals Overall_MPG of the last).
    float overall_average() const;

private:
    std::vector<Fillup> entries_;
    float gallons_after_first_ = 0;
};

} // namespace milora::mileage
