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

void append_line(std::string& out, const MileageLog& log, MileageLog::Index i) {
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
    put(numbers::format(f.Fillup_Odometer, "#0"), 21);
    put(numbers::format(f.Fillup_Gallons, "#0.0"), 35);
    if (i == 1) {
        put("XXXX", 52);
        put("XXXX", 66);
    } else {
        put(numbers::format(f.Tank_MPG, "0.0"), 52);
        put(numbers::format(f.Five_Tank_MPG, "00.0"), 67);
    }
    out += line;
}

} // namespace

std::size_t entry_line_lead(const MileageLog& log, MileageLog::Index i) {
    const std::size_t date = log.entry(i).Fillup_Date.size();
    return date > kDateColumn ? date - kDateColumn : 0;
}

std::string entry_line(const MileageLog& log, MileageLog::Index i) {
    std::string out;
    append_line(out, log, i);
    return out;
}

std::string entry_line_addition(const MileageLog& log, MileageLog::Index i) {
    std::string out = "\r\n";
    append_line(out, log, i);
    return out;
}

std::string list_text(const MileageLog& log) {
    std::string out;
    out.reserve(static_cast<std::size_t>(log.Fillup_Count()) * (kLineColumns + 2));
    for (MileageLog::Index i = 1; i <= log.Fillup_Count(); ++i) {
        out += "\r\n";
        append_line(out, log, i);
    }
    return out;
}

} // namespace milora::mileage
