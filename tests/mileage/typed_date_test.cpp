// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/typed_date.h"

#include <gtest/gtest.h>

using namespace milora::mileage;

TEST(TypedDateTest, TheFormsPeopleTypeAllNameTheSameDay) {
    const CivilDate feb2{2024, 2, 2};
    for (const char* text : {"2/2/2024", "02/02/2024", "2-2-2024", "2.2.2024", "2024-02-02",
                             "020224", "02022024", " 2/2/24 ", "2024/2/2"}) {
        EXPECT_EQ(read_typed_date(text, DateOrder::MonthDayYear), feb2) << text;
        EXPECT_EQ(read_typed_date(text, DateOrder::DayMonthYear), feb2) << text;
    }
    EXPECT_EQ(read_typed_date("20240202", DateOrder::YearMonthDay), feb2);
}

TEST(TypedDateTest, DayAndMonthStandInTheLocalesOrder) {
    const struct {
        const char* text;
        DateOrder order;
        CivilDate date;
    } cases[] = {{"12/5/2024", DateOrder::MonthDayYear, {2024, 12, 5}},
                 {"12/5/2024", DateOrder::DayMonthYear, {2024, 5, 12}},
                 {"120524", DateOrder::MonthDayYear, {2024, 12, 5}},
                 {"120524", DateOrder::DayMonthYear, {2024, 5, 12}},
                 {"24/5/12", DateOrder::YearMonthDay, {2024, 5, 12}},
                 {"2024-12-05", DateOrder::DayMonthYear, {2024, 12, 5}}, // ISO whatever the order
                 {"3/1/80", DateOrder::MonthDayYear, {1980, 3, 1}},
                 {"3/1/79", DateOrder::MonthDayYear, {2079, 3, 1}},
                 {"2/29/2024", DateOrder::MonthDayYear, {2024, 2, 29}}};
    for (const auto& c : cases) {
        EXPECT_EQ(read_typed_date(c.text, c.order), c.date) << c.text;
    }
}

TEST(TypedDateTest, ImpossibleOrIncompleteDatesAreNoDates) {
    for (const char* text :
         {"", "2/2", "2/2/", "2//2024", "2/30/2024", "2/29/2023", "13/1/2024", "0/1/2024",
          "1/0/2024", "2/2/202", "2/2/20245", "123/1/2024", "0202", "02022", "2/2/2024x",
          "Feb 2, 2024", "2/2/2024/1", "+2/2/2024", "2 / 2 / 2024"}) {
        EXPECT_EQ(read_typed_date(text, DateOrder::MonthDayYear), std::nullopt) << text;
    }
}

TEST(TypedDateTest, DayNumbersCountDaysAcrossMonthsAndLeapYears) {
    EXPECT_EQ(day_number({1970, 1, 1}), 0);
    EXPECT_EQ(day_number({2024, 3, 1}) - day_number({2024, 2, 28}), 2);
    EXPECT_EQ(day_number({2023, 3, 1}) - day_number({2023, 2, 28}), 1);
    EXPECT_EQ(day_number({2025, 1, 1}) - day_number({2024, 12, 31}), 1);
    EXPECT_EQ(day_number({1969, 12, 31}), -1);
}
