// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/entry_list.h"

#include "numbers/format_pattern.h"

namespace milora::mileage {
namespace {

// Puts `value` so that it ends at 1-based column `end`, or further right when it would otherwise
// reach the blank after the value before it (which ends before 0-based position `used`). Returns
// the position just past the value.
std::size_t place(std::string& line, std::size_t used, std::string_view value, std::size_t end) {
    std::size_t start = end > value.size() ? end - value.size() : 0;
    if (used > 0 && start < used + 1) {
        start = used + 1;
    }
    if (line.size() < start + value.size()) {
        line.resize(start + value.size(), ' ');
    }
    line.replace(start, value.size(), value);
    return start + value.size();
}

// A figure of the log in the units shown: the log's own single-precision value in miles, US
// gallons and MPG, or the converted value.
template <typename Convert>
std::string figure(float value, Units units, Convert convert, const char* pattern) {
    if (units == Units::UsMpg) {
        return numbers::format(value, pattern);
    }
    return numbers::format(convert(units, double{value}), pattern);
}

void append_line(std::string& out, const MileageLog& log, MileageLog::Index i, Units units) {
    const Fillup& f = log.entry(i);
    // A date longer than its column runs further left: the line gains its overflow in front of
    // the first column and every column moves by it within the text.
    const std::size_t lead = entry_line_lead(log, i);
    std::string line(kLineColumns + lead, ' ');
    std::size_t used = 0;
    auto put = [&](std::string_view value, std::size_t end) {
        used = place(line, used, value, end + lead);
    };
    put(f.Fillup_Date, kDateColumn);
    put(figure(f.Fillup_Odometer, units, shown_distance, "#0"), 21);
    put(figure(f.Fillup_Gallons, units, shown_volume, "#0.0"), 35);
    if (i == 1) {
        put("XXXX", 52);
        put("XXXX", 66);
    } else {
        put(figure(f.Tank_MPG, units, shown_economy, "0.0"), 52);
        // MPG keeps its two leading digits; litres per 100 km and km per litre, new to the list,
        // read as everyday figures ("8.7", not "08.7").
        const bool mpg = units == Units::UsMpg || units == Units::ImperialMpg;
        put(figure(f.Five_Tank_MPG, units, shown_economy, mpg ? "00.0" : "0.0"), 67);
    }
    out += line;
}

} // namespace

std::size_t entry_line_lead(const MileageLog& log, MileageLog::Index i) {
    const std::size_t date = log.entry(i).Fillup_Date.size();
    return date > kDateColumn ? date - kDateColumn : 0;
}

std::string entry_line(const MileageLog& log, MileageLog::Index i, Units units) {
    std::string out;
    append_line(out, log, i, units);
    return out;
}

std::string entry_line_addition(const MileageLog& log, MileageLog::Index i, Units units) {
    std::string out = "\r\n";
    append_line(out, log, i, units);
    return out;
}

std::string list_text(const MileageLog& log, Units units) {
    std::string out;
    out.reserve(static_cast<std::size_t>(log.fillup_count()) * (kLineColumns + 2));
    for (MileageLog::Index i = 1; i <= log.fillup_count(); ++i) {
        out += "\r\n";
        append_line(out, log, i, units);
    }
    return out;
}

} // namespace milora::mileage
