// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/typed_date.h"

#include <array>
#include <string>
#include <vector>

namespace milora::mileage {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool is_separator(char c) {
    return c == '/' || c == '-' || c == '.' || c == ' ';
}

int days_in_month(int year, int month) {
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[static_cast<std::size_t>(month - 1)];
}

int to_int(std::string_view digits) {
    int v = 0;
    for (const char c : digits) {
        v = v * 10 + (c - '0');
    }
    return v;
}

// The fields of the text: runs of digits between single separators; empty when the text is
// anything else.
std::vector<std::string_view> fields_of(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && is_digit(text[i])) {
            continue;
        }
        if (i == start || (i < text.size() && !is_separator(text[i]))) {
            return {};
        }
        fields.push_back(text.substr(start, i - start));
        start = i + 1;
    }
    return fields;
}

// An unseparated date cut into its three fields by the locale's order.
std::vector<std::string_view> cut_digits(std::string_view d, DateOrder order) {
    if (d.size() == 6) {
        return {d.substr(0, 2), d.substr(2, 2), d.substr(4, 2)};
    }
    if (d.size() != 8) {
        return {};
    }
    if (order == DateOrder::YearMonthDay) {
        return {d.substr(0, 4), d.substr(4, 2), d.substr(6, 2)};
    }
    return {d.substr(0, 2), d.substr(2, 2), d.substr(4, 4)};
}

std::optional<CivilDate> make_date(std::string_view y, std::string_view m, std::string_view d) {
    if ((y.size() != 2 && y.size() != 4) || m.size() > 2 || d.size() > 2) {
        return std::nullopt;
    }
    CivilDate date{to_int(y), to_int(m), to_int(d)};
    if (y.size() == 2) {
        date.year += date.year >= 80 ? 1900 : 2000;
    }
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > days_in_month(date.year, date.month)) {
        return std::nullopt;
    }
    return date;
}

} // namespace

std::optional<CivilDate> read_typed_date(std::string_view text, DateOrder order) {
    std::vector<std::string_view> f = fields_of(text);
    if (f.size() == 1) {
        f = cut_digits(f[0], order);
    }
    if (f.size() != 3) {
        return std::nullopt;
    }
    if (f[0].size() == 4 || order == DateOrder::YearMonthDay) {
        return make_date(f[0], f[1], f[2]);
    }
    if (order == DateOrder::DayMonthYear) {
        return make_date(f[2], f[1], f[0]);
    }
    return make_date(f[2], f[0], f[1]);
}

std::int64_t day_number(const CivilDate& date) {
    // Days from civil, after Howard Hinnant's public-domain date algorithms.
    const std::int64_t y = date.month <= 2 ? date.year - 1 : date.year;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (date.month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + date.day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

} // namespace milora::mileage
