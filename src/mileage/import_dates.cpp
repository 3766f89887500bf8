// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/import_dates.h"

#include "mileage/import_rows.h"
#include "numbers/line_reading.h"

#include <chrono>
#include <cstdlib>

namespace milora::mileage::import {
namespace {

bool read_int(std::string_view s, int& value, std::uint8_t& digits) {
    if (s.empty() || s.size() > 4) {
        return false;
    }
    value = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    digits = static_cast<std::uint8_t>(s.size());
    return true;
}

bool leap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int days_in_month(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : kDays[m - 1];
}

bool year_first(const DateParts& d) {
    return d.la == 4;
}

// What one row's date says about the order of day and month.
struct Evidence {
    std::int64_t line = 0;
    std::string text;
};

void note(Evidence& e, const FillRow& row) {
    if (e.line == 0) {
        e.line = row.line;
        e.text = parts_text(row.parts);
    }
}

// M/D/YYYY as YYYYMMDD.
std::int32_t day_key(const std::string& us) {
    const std::size_t a = us.find('/');
    const std::size_t b = us.find('/', a + 1);
    return std::stoi(us.substr(b + 1)) * 10000 + std::stoi(us.substr(0, a)) * 100 +
           std::stoi(us.substr(a + 1, b - a - 1));
}

} // namespace

DateParts date_parts(std::string_view cell) {
    std::string_view t = numbers::trim(cell);
    const std::size_t end = t.find_first_of(" T");
    if (end != std::string_view::npos) {
        t = t.substr(0, end);
    }
    DateParts d;
    const std::size_t first = t.find_first_of("-/.");
    if (first == std::string_view::npos) {
        return d;
    }
    const char sep = t[first];
    const std::size_t second = t.find(sep, first + 1);
    if (second == std::string_view::npos || !read_int(t.substr(0, first), d.a, d.la) ||
        !read_int(t.substr(first + 1, second - first - 1), d.b, d.lb) ||
        !read_int(t.substr(second + 1), d.c, d.lc) || d.lb > 2 ||
        (d.la != 4 && (d.la > 2 || (d.lc != 2 && d.lc != 4))) || (d.la == 4 && d.lc > 2)) {
        return {};
    }
    d.sep = sep;
    return d;
}

std::string parts_text(const DateParts& d) {
    auto padded = [](int v, int width) {
        std::string s = std::to_string(v);
        const auto w = static_cast<std::size_t>(width);
        return std::string(s.size() < w ? w - s.size() : 0, '0') + s;
    };
    return padded(d.a, d.la) + d.sep + padded(d.b, d.lb) + d.sep + padded(d.c, d.lc);
}

std::optional<std::string> us_date(const DateParts& d, DateOrder order, int this_year) {
    int year = d.c;
    int month = order == DateOrder::DayMonthYear ? d.b : d.a;
    int day = order == DateOrder::DayMonthYear ? d.a : d.b;
    const auto full_year = [&](int y, int digits) {
        return digits != 2 ? y : 2000 + y > this_year ? 1900 + y : 2000 + y;
    };
    if (year_first(d) || order == DateOrder::YearMonthDay) {
        year = full_year(d.a, d.la);
        month = d.b;
        day = d.c;
    } else {
        year = full_year(d.c, d.lc);
    }
    if (year < 1000 || month < 1 || month > 12 || day < 1 || day > days_in_month(year, month)) {
        return std::nullopt;
    }
    return std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
}

DateOrder locale_date_order() {
    const char* value = nullptr;
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
        value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            break;
        }
    }
    const std::string_view v = value == nullptr ? "" : value;
    const std::size_t under = v.find('_');
    if (under == std::string_view::npos) {
        return DateOrder::MonthDayYear; // C, POSIX or none: the program's own order
    }
    const std::string_view territory = v.substr(under + 1, 2);
    for (const std::string_view mdy : {"US", "PH", "FM", "MH", "PW", "AS", "GU", "PR", "VI"}) {
        if (territory == mdy) {
            return DateOrder::MonthDayYear;
        }
    }
    return DateOrder::DayMonthYear;
}

int current_year() {
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    return static_cast<int>(std::chrono::year_month_day(today).year());
}

std::string resolve_dates(Parsed& p, std::optional<DateOrder> asked, DateOrder assumed) {
    Evidence dmy;
    Evidence mdy;
    bool all_dots = true;
    bool any_ambiguous = false;
    for (const FillRow& row : p.rows) {
        const DateParts& d = row.parts;
        if (d.sep == 0 || year_first(d)) {
            continue;
        }
        any_ambiguous = true;
        all_dots = all_dots && d.sep == '.';
        if (d.a > 12 && d.b <= 12) {
            note(dmy, row);
        } else if (d.b > 12 && d.a <= 12) {
            note(mdy, row);
        }
    }
    ImportReport& r = p.report;
    r.dates_from = Source::File;
    if (asked) {
        r.dates = *asked;
        r.dates_from = Source::Chosen;
    } else if (dmy.line > 0 && mdy.line > 0) {
        return std::string("its dates mix the orders day/month (line ") + std::to_string(dmy.line) +
               ": \"" + dmy.text + "\") and month/day (line " + std::to_string(mdy.line) + ": \"" +
               mdy.text + "\")";
    } else if (dmy.line > 0 || mdy.line > 0) {
        r.dates = dmy.line > 0 ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
    } else if (any_ambiguous && all_dots) {
        r.dates = DateOrder::DayMonthYear;
    } else if (any_ambiguous) {
        r.dates = assumed;
        r.dates_from = Source::Assumed;
    } else {
        r.dates = DateOrder::YearMonthDay;
    }
    const int this_year = current_year();
    for (FillRow& row : p.rows) {
        if (row.problem != Problem::None) {
            continue;
        }
        if (row.parts.sep == 0) {
            row.problem = Problem::BadDate;
        } else if (auto date = us_date(row.parts, r.dates, this_year)) {
            row.day = day_key(*date);
            row.date = std::move(*date);
        } else {
            row.problem = Problem::NoSuchDay;
            row.date = parts_text(row.parts);
        }
    }
    return {};
}

} // namespace milora::mileage::import
