// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A purchase date as people type it: "2/2/2024", "02/02/2024", "2-2-2024", "2.2.2024", "2024-02-02"
// and "020224" all name the 2nd of February 2024 when the locale writes the month first. Day,
// month and year stand in the locale's order, except that a four-digit first field is always a
// year (the ISO form). A separated date takes one or two digits for day and month and two or four
// for the year; an unseparated one six digits (two each) or eight (a four-digit year). A two-digit
// year is 1980 to 2079. Anything else, and a day that the month does not have, is no date.

#include <compare>
#include <cstdint>
#include <optional>
#include <string_view>

namespace milora::mileage {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

struct CivilDate {
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;   // 1 to the month's last day
    auto operator<=>(const CivilDate&) const = default;
};

std::optional<CivilDate> read_typed_date(std::string_view text, DateOrder order);

// Days since 1 January 1970 (negative before), for distances between dates.
std::int64_t day_number(const CivilDate& date);

} // namespace milora::mileage
