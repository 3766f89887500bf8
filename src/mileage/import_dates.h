// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Dates in the forms people's files hold them: three numbers separated by `/`, `-` or `.`, a
// time after a blank or a T ignored. A four-digit first number is a year (year, month, day);
// otherwise the year comes last, with two digits meaning 20YY (19YY when 20YY is still to come),
// and the order of day and month is told from the whole file: a first number above 12 anywhere
// means day/month, a second number above 12 month/day, both at once a file that cannot be read.
// A file that does not tell follows a dot (DD.MM.YYYY), else the locale.

#include "mileage/fuel_import.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace milora::mileage::import {

struct DateParts {
    int a = 0;
    int b = 0;
    int c = 0;
    std::uint8_t la = 0; // digits of each number
    std::uint8_t lb = 0;
    std::uint8_t lc = 0;
    char sep = 0; // 0: the cell is no date
};

// The three numbers of a date cell; sep 0 when it has no such form.
DateParts date_parts(std::string_view cell);
// The date as the cell wrote it (leading zeros kept), for reasons.
std::string parts_text(const DateParts& d);
// The date as M/D/YYYY in `order`, nullopt when there is no such day.
std::optional<std::string> us_date(const DateParts& d, DateOrder order, int this_year);

// The order the user's locale writes dates in (LC_ALL, LC_TIME, LANG): month/day in the United
// States and where the locale names none, day/month elsewhere.
DateOrder locale_date_order();
int current_year();

struct Parsed;

// Turns the date parts of every row into M/D/YYYY, skipping the impossible ones, and sets the
// report's order and where it came from; `asked` forces an order, `assumed` is used when the
// file does not tell. Returns why the file cannot be read, or an empty text.
std::string resolve_dates(Parsed& p, std::optional<DateOrder> asked, DateOrder assumed);

} // namespace milora::mileage::import
