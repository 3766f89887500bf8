// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/summary.h"

#include "base/constants.h"
#include "numbers/format_pattern.h"

namespace milora::mileage {
namespace {

using Index = MileageLog::Index;

// The entry with the highest or lowest value, the earliest one on a tie. Both searches start
// from entry 2, so that a log whose MPG values are all zero or below still names a real entry.
template <typename Value, typename Better>
Index extreme(const MileageLog& log, Value value, Better better) {
    Index best = 2;
    float best_value = value(log.entry(2));
    for (Index i = 3; i <= log.fillup_count(); ++i) {
        const float v = value(log.entry(i));
        if (better(v, best_value)) {
            best_value = v;
            best = i;
        }
    }
    return best;
}

} // namespace

std::optional<std::string> summary_text(const MileageLog& log, Units units) {
    const Index n = log.fillup_count();
    if (n < 2) {
        return std::nullopt;
    }
    float gallons = 0;
    for (Index i = 2; i <= n; ++i) {
        gallons += log.entry(i).Fillup_Gallons;
    }
    auto tank = [](const Fillup& f) { return f.Tank_MPG; };
    auto five = [](const Fillup& f) { return f.Five_Tank_MPG; };
    auto higher = [](float a, float b) { return a > b; };
    auto lower = [](float a, float b) { return a < b; };
    const Index high_tank = extreme(log, tank, higher);
    const Index low_tank = extreme(log, tank, lower);
    const Index high_five = extreme(log, five, higher);
    const Index low_five = extreme(log, five, lower);
    const float miles = log.entry(n).Fillup_Odometer - log.entry(1).Fillup_Odometer;
    const float overall = miles / gallons;

    const UnitsDesc& u = describe(units);
    const bool us = units == Units::UsMpg;
    const bool mpg = us || units == Units::ImperialMpg;
    // The log's own single-precision figures in miles and US gallons; converted ones otherwise.
    auto shown = [&](float value, double (*convert)(Units, double), const char* pattern) {
        return us ? numbers::format(value, pattern)
                  : numbers::format(convert(units, double{value}), pattern);
    };
    auto on = [&](float value, Index i) {
        const std::string unit = mpg ? "" : std::string(" ") + u.economy;
        return shown(value, shown_economy, "#0.0") + unit + " on " + log.entry(i).Fillup_Date +
               ".\r\n";
    };
    const std::string tank_words = mpg ? "single-tank MPG" : "single-tank fuel economy";
    const std::string five_words = mpg ? "five-tank average MPG" : "five-tank average fuel economy";
    const std::string high = mpg ? "highest " : "best ";
    const std::string low = mpg ? "lowest " : "worst ";
    std::string s = "Over the period you've been tracking your gas consumption: \r\n\r\n";
    s += "Your overall average fuel economy is " + shown(overall, shown_economy, "#0.0") + " " +
         u.economy_words + ".\r\n";
    s += "You have traveled " + shown(miles, shown_distance, "#0") + " " + u.distance + ".\r\n";
    s += "You have bought " + shown(gallons, shown_volume, "#0.0") + " " + u.volume +
         " of gasoline.\r\n";
    s += "You have put roughly " + numbers::format(double{gallons} * kCo2PerGallon, "#0") +
         " pounds of carbon dioxide into the atmosphere.\r\n";
    s += "Your " + high + tank_words + " was " + on(log.entry(high_tank).Tank_MPG, high_tank);
    s += "Your " + low + tank_words + " was " + on(log.entry(low_tank).Tank_MPG, low_tank);
    s += "Your " + high + five_words + " was " + on(log.entry(high_five).Five_Tank_MPG, high_five);
    s += "Your " + low + five_words + " was " + on(log.entry(low_five).Five_Tank_MPG, low_five);
    return s;
}

Message summary_needs_two() {
    return {kProgramTitle, "You need to have at least two data points to create a summary.",
            Icon::None, Buttons::Ok};
}

} // namespace milora::mileage
