// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Dates as people's files hold them: the order of day and month told from the whole file, years
// of two digits, dashes and dots, and days that do not exist.

#include "mileage/fuel_import.h"
#include "mileage/import_dates.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::mileage;

namespace {

struct Read {
    MileageLog log;
    LogRead read;
};

Read read_text(const std::string& text, ImportChoices choices = {}) {
    if (!choices.assumed_dates) {
        choices.assumed_dates = DateOrder::MonthDayYear;
    }
    Read r;
    r.read = read_log_text(text, r.log, choices);
    return r;
}

std::vector<std::string> dates(const MileageLog& log) {
    std::vector<std::string> out;
    for (const Fillup& f : log.entries()) {
        out.push_back(f.Fillup_Date);
    }
    return out;
}

std::string rows(std::initializer_list<const char*> dates) {
    std::string text = "Date,Odometer,Gallons\n";
    int odometer = 1000;
    for (const char* d : dates) {
        text += std::string(d) + "," + std::to_string(odometer) + ",10\n";
        odometer += 300;
    }
    return text;
}

} // namespace

TEST(ImportDatesTest, TheOrderOfDayAndMonthIsToldFromTheWholeFile) {
    // One day above 12 anywhere settles the order for every row, the ones before it included.
    const Read uk = read_text(rows({"4/1/2024", "16/1/2024", "2/2/2024", "19/2/2024"}));
    EXPECT_EQ(dates(uk.log),
              (std::vector<std::string>{"1/4/2024", "1/16/2024", "2/2/2024", "2/19/2024"}));
    EXPECT_EQ(uk.read.report.dates, DateOrder::DayMonthYear);
    EXPECT_EQ(uk.read.report.dates_from, Source::File);

    const Read us = read_text(rows({"3/2/14", "3/14/14", "10-24-2012", "11.06.2012"}));
    EXPECT_EQ(us.read.report.dates, DateOrder::MonthDayYear);
    EXPECT_EQ(dates(us.log),
              (std::vector<std::string>{"3/2/2014", "3/14/2014", "10/24/2012", "11/6/2012"}));

    // Both at once: the file is refused with the two lines that disagree.
    const Read mixed = read_text(rows({"1/5/2024", "25/1/2024", "2/14/2024"}));
    EXPECT_TRUE(mixed.read.understood);
    EXPECT_EQ(mixed.read.failure, "its dates mix the orders day/month (line 3: \"25/1/2024\") and "
                                  "month/day (line 4: \"2/14/2024\")");
    EXPECT_TRUE(mixed.log.empty());
}

TEST(ImportDatesTest, AFileThatDoesNotTellFollowsTheLocaleOrTheUsersChoice) {
    const std::string text = rows({"1/2/2024", "1/3/2024", "1/4/2024"});
    ImportChoices choices;
    choices.assumed_dates = DateOrder::DayMonthYear;
    const Read uk = read_text(text, choices);
    EXPECT_EQ(uk.read.report.dates_from, Source::Assumed);
    EXPECT_EQ(dates(uk.log), (std::vector<std::string>{"2/1/2024", "3/1/2024", "4/1/2024"}));
    const Read us = read_text(text);
    EXPECT_EQ(dates(us.log), (std::vector<std::string>{"1/2/2024", "1/3/2024", "1/4/2024"}));

    // Dots are day first; ISO dates say nothing and need nothing.
    EXPECT_EQ(read_text(rows({"01.02.2024", "01.03.2024"})).read.report.dates,
              DateOrder::DayMonthYear);
    EXPECT_EQ(read_text(rows({"2024-01-02", "2024-01-03"})).read.report.dates,
              DateOrder::YearMonthDay);

    // An order asked for wins over what the file says; the rows it cannot read are skipped.
    choices = {};
    choices.dates = DateOrder::MonthDayYear;
    const Read forced = read_text(rows({"4/1/2024", "16/1/2024", "2/2/2024"}), choices);
    EXPECT_EQ(forced.read.report.dates_from, Source::Chosen);
    EXPECT_EQ(dates(forced.log), (std::vector<std::string>{"4/1/2024", "2/2/2024"}));
    ASSERT_EQ(forced.read.report.skipped.size(), 1U);
    EXPECT_EQ(forced.read.report.skipped[0].reason,
              "the date \"16/1/2024\" is no day of the calendar");
}

TEST(ImportDatesTest, ImpossibleDaysAreSkippedAndShortYearsAreNeverInTheFuture) {
    const Read r = read_text(rows({"2024-01-31", "2/30/2024", "2023-02-31", "2/29/2024",
                                   "2/29/2023", "2/28/2023", "13/13/2024"}));
    EXPECT_EQ(dates(r.log), (std::vector<std::string>{"1/31/2024", "2/29/2024", "2/28/2023"}));
    std::vector<std::string> reasons;
    for (const SkippedRow& s : r.read.report.skipped) {
        reasons.push_back(s.reason);
    }
    EXPECT_EQ(reasons, (std::vector<std::string>{
                           "the date \"2/30/2024\" is no day of the calendar",
                           "the date \"2023-02-31\" is no day of the calendar",
                           "the date \"2/29/2023\" is no day of the calendar",
                           "the date \"13/13/2024\" is no day of the calendar",
                       }));

    const import::DateParts d = import::date_parts("1/2/30 08:00");
    EXPECT_EQ(import::us_date(d, DateOrder::MonthDayYear, 2026), "1/2/1930");
    EXPECT_EQ(import::us_date(d, DateOrder::MonthDayYear, 2030), "1/2/2030");
    EXPECT_EQ(import::date_parts("2024-1-2T10:00").sep, '-');
    for (const char* no_date : {"yesterday", "1/2", "1/2/3", "12345/1/2", "1/2/2024/5",
                                "2024-1-123", "1//2024", "-1/2/2024"}) {
        EXPECT_EQ(import::date_parts(no_date).sep, 0) << no_date;
    }
}
