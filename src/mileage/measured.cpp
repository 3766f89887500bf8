// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/measured.h"

#include "base/shown_text.h"
#include "mileage/fuel_import.h"
#include "mileage/mileage_file.h"
#include "numbers/format_pattern.h"
#include "numbers/number_reading.h"
#include "numbers/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace milora::mileage {
namespace {

// A date text split into its three numbers: "9/16/2006", "16.9.2006", "2006-09-16".
struct DateParts {
    std::array<int, 3> value{};
    std::array<int, 3> digits{};
};

std::optional<DateParts> split_date(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    DateParts parts;
    std::size_t field = 0;
    char separator = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (parts.digits[field] == 4) {
                return std::nullopt;
            }
            parts.value[field] = parts.value[field] * 10 + (c - '0');
            ++parts.digits[field];
        } else if ((c == '/' || c == '-' || c == '.') && (separator == 0 || c == separator) &&
                   parts.digits[field] > 0 && field < 2) {
            separator = c;
            ++field;
        } else {
            return std::nullopt;
        }
    }
    if (field != 2 || parts.digits[2] == 0) {
        return std::nullopt;
    }
    return parts;
}

bool is_iso(const DateParts& p) {
    return p.digits[0] == 4;
}

int days_in_month(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
std::int64_t days_from_civil(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

std::string fill_up_words(std::int64_t n) {
    return std::to_string(n) + (n == 1 ? " fill-up" : " fill-ups");
}

std::string day_words(std::int64_t n) {
    return std::to_string(n) + (n == 1 ? " day" : " days");
}

// "3 fill-ups over 12 days; Milora needs 28 days or more".
std::string too_little(std::int64_t fill_ups, std::int64_t days) {
    std::string needs;
    if (fill_ups < kMinimumFillups) {
        needs = std::to_string(kMinimumFillups) + " fill-ups or more";
    }
    if (days < kMinimumDays) {
        needs += (needs.empty() ? "" : " and ") + std::to_string(kMinimumDays) + " days or more";
    }
    return fill_up_words(fill_ups) + " over " + day_words(days) + "; Milora needs " + needs;
}

// A date text from the file, in a sentence: it may hold anything, of any length.
std::string quoted(std::string_view text) {
    return "\"" + shown_text(text, 40) + "\"";
}

// Which number comes first in the log's day-month dates, or a reason when the log says both.
std::optional<DayMonthOrder> log_date_order(const MileageLog& log, DayMonthOrder fallback,
                                            std::string& reason) {
    MileageLog::Index day_first = 0;
    MileageLog::Index month_first = 0;
    for (MileageLog::Index i = 1; i <= log.fillup_count() && !(day_first && month_first); ++i) {
        const auto p = split_date(log.date(i));
        if (!p || is_iso(*p)) {
            continue;
        }
        if (p->value[0] > 12 && day_first == 0) {
            day_first = i;
        }
        if (p->value[1] > 12 && month_first == 0) {
            month_first = i;
        }
    }
    if (day_first != 0 && month_first != 0) {
        reason = "The dates put the day first in places (" + quoted(log.date(day_first)) +
                 ") and the month first in others (" + quoted(log.date(month_first)) +
                 "); Milora cannot tell which date is which";
        return std::nullopt;
    }
    if (day_first != 0) {
        return DayMonthOrder::DayFirst;
    }
    return month_first != 0 ? DayMonthOrder::MonthFirst : fallback;
}

// The span of the measure: the starting entry, found by walking back from the last while the
// dates lie within the window; every date on the way is read and must not go backwards.
struct Span {
    MileageLog::Index first = 1;
    std::int64_t days = 0;
};

std::optional<Span> measured_span(const MileageLog& log, DayMonthOrder order, std::string& reason) {
    const MileageLog::Index n = log.fillup_count();
    const auto day_of = [&](MileageLog::Index i) -> std::optional<std::int64_t> {
        const std::string_view date = log.date(i);
        const auto day = fillup_day(date, order);
        if (!day) {
            reason = "The date " + quoted(date) + " of fill-up " + std::to_string(i) +
                     " is not a date Milora can read";
        }
        return day;
    };
    const auto last_day = day_of(n);
    if (!last_day) {
        return std::nullopt;
    }
    Span span;
    std::int64_t next_day = *last_day;
    for (MileageLog::Index i = n - 1; i >= 1; --i) {
        const auto day = day_of(i);
        if (!day) {
            return std::nullopt;
        }
        if (*day > next_day) {
            reason = "Fill-up " + std::to_string(i) + " is dated " + log.entry(i).Fillup_Date +
                     ", after the fill-up that follows it (" + log.entry(i + 1).Fillup_Date +
                     "); Milora needs the fill-ups in date order";
            return std::nullopt;
        }
        span.first = i;
        span.days = *last_day - *day;
        if (span.days > kMeasureDays) {
            break; // the last entry before the window starts the measure
        }
        next_day = *day;
    }
    return span;
}

} // namespace

std::optional<std::int64_t> fillup_day(std::string_view date, DayMonthOrder order) {
    const auto p = split_date(date);
    if (!p) {
        return std::nullopt;
    }
    int year = 0;
    int month = 0;
    int day = 0;
    if (is_iso(*p)) {
        year = p->value[0];
        month = p->value[1];
        day = p->value[2];
        if (p->digits[1] > 2 || p->digits[2] > 2) {
            return std::nullopt;
        }
    } else {
        if (p->digits[0] > 2 || p->digits[1] > 2 || (p->digits[2] != 2 && p->digits[2] != 4)) {
            return std::nullopt;
        }
        const bool month_first = order == DayMonthOrder::MonthFirst;
        month = p->value[month_first ? 0 : 1];
        day = p->value[month_first ? 1 : 0];
        year = p->value[2];
        if (p->digits[2] == 2) {
            year += year < 70 ? 2000 : 1900;
        }
    }
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > days_in_month(year, month)) {
        return std::nullopt;
    }
    return days_from_civil(year, month, day);
}

Measurement measure_log(const MileageLog& log, DayMonthOrder order,
                        std::span<const MileageLog::Index> unreliable) {
    Measurement out;
    const MileageLog::Index n = log.fillup_count();
    if (n < 2) {
        out.reason = too_little(n, 0);
        return out;
    }
    const auto read_order = log_date_order(log, order, out.reason);
    if (!read_order) {
        return out;
    }
    const auto span = measured_span(log, *read_order, out.reason);
    if (!span) {
        return out;
    }
    const MileageLog::Index s = span->first;
    if (n - s + 1 < kMinimumFillups || span->days < kMinimumDays) {
        out.reason = too_little(n - s + 1, span->days);
        return out;
    }
    double fuel = 0;
    for (MileageLog::Index i = s + 1; i <= n; ++i) {
        if (!(log.odometer(i) > log.odometer(i - 1))) {
            out.reason = "The odometer goes back from " +
                         numbers::number_text(log.odometer(i - 1)) + " to " +
                         numbers::number_text(log.odometer(i)) + " at fill-up " +
                         std::to_string(i) + " (" + log.entry(i).Fillup_Date +
                         "); Milora cannot measure across an odometer reset";
            return out;
        }
        fuel += static_cast<double>(log.gallons(i));
    }
    const auto lost = std::find_if(unreliable.begin(), unreliable.end(),
                                   [&](MileageLog::Index i) { return i > s && i <= n; });
    if (lost != unreliable.end()) {
        out.reason = "A fill-up before the one of " + log.entry(*lost).Fillup_Date +
                     " was skipped in the file, so the fuel bought then is missing; Milora "
                     "cannot measure across it";
        return out;
    }
    const double distance =
        static_cast<double>(log.odometer(n)) - static_cast<double>(log.odometer(s));
    if (!(fuel > 0) || !std::isfinite(fuel)) {
        out.reason = "The gallons of " + fill_up_words(n - s) +
                     " add up to no fuel; the numbers give no meaningful MPG";
        return out;
    }
    Measured m;
    m.distance = distance;
    m.gallons = fuel;
    m.days = span->days;
    m.mpg = distance / fuel;
    m.miles_per_year = distance * kMeasureDays / static_cast<double>(span->days);
    m.first = s;
    m.last = n;
    m.from = log.entry(s).Fillup_Date;
    m.to = log.entry(n).Fillup_Date;
    out.measured = std::move(m);
    return out;
}

Message cannot_measure_message(const std::string& where, const std::string& reason) {
    return {kProgramTitle,
            "Milora cannot measure your MPG and yearly miles from " + where + ": " + reason + ".",
            Icon::Warning, Buttons::Ok};
}

Measurement measure_read(const LogRead& read, const MileageLog& log, DayMonthOrder order) {
    Measurement out;
    if (!read.understood) {
        out.reason = "it is not a mileage log Milora can read";
    } else if (read.milora.stop) {
        out.reason = "line " + std::to_string(read.milora.stop->line) +
                     " cannot be read: " + read.milora.stop->reason;
    } else {
        out = measure_log(log, order, read.report.unreliable);
    }
    return out;
}

FileMeasurement measure_file(const std::string& path, DayMonthOrder order) {
    FileMeasurement out;
    const auto contents = read_mileage_contents(path);
    if (!contents) {
        const std::string& why = contents.reason();
        out.reason = "it could not be opened" + (why.empty() ? std::string() : ": " + why);
        out.failure = cannot_open_message(path, why);
        return out;
    }
    MileageLog log;
    const LogRead read = read_log_text(*contents, log);
    Measurement m = measure_read(read, log, order);
    out.measured = std::move(m.measured);
    out.reason = std::move(m.reason);
    if (!read.understood) {
        out.failure = not_understood_message(path);
    } else if (!out.measured) {
        out.failure = cannot_measure_message("the file \"" + path + "\"", out.reason);
    }
    return out;
}

namespace {

std::string shown(double value, std::string_view pattern) {
    const std::string text = numbers::format(value, pattern);
    const auto rounded = numbers::parse_number(text);
    return rounded ? numbers::number_text(*rounded) : text;
}

} // namespace

std::string measured_mpg_text(double mpg) {
    return shown(mpg, "#0.0");
}

std::string measured_miles_text(double miles) {
    return shown(miles, "#0");
}

} // namespace milora::mileage
