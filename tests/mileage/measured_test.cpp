// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// The measured MPG and yearly miles: which fill-ups the measure uses, its edges (27 and 28 days,
// one and two fill-ups after the start), the logs it refuses and what it says then, and the
// dates it reads.

#include "mileage/entry_rules.h"
#include "mileage/fuel_import.h"
#include "mileage/log_fixtures.h"
#include "mileage/measured.h"
#include "numbers/number_reading.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace milora;
using namespace milora::mileage;
using milora::test::make_log;

namespace {

Measured measured(const MileageLog& log, DayMonthOrder order = DayMonthOrder::MonthFirst) {
    const Measurement m = measure_log(log, order);
    EXPECT_EQ(m.reason, "");
    EXPECT_TRUE(m.measured.has_value());
    return m.measured.value_or(Measured{});
}

std::string reason(const MileageLog& log, DayMonthOrder order = DayMonthOrder::MonthFirst) {
    const Measurement m = measure_log(log, order);
    EXPECT_FALSE(m.measured.has_value());
    return m.reason;
}

std::string file_text(const std::string& name) {
    std::ifstream in(std::string(MILORA_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(Measured, LogShorterThanAYearIsMeasuredFromItsFirstEntry) {
    // 1,000 miles on 40 gallons (the first fill-up's 12 only filled the tank) over 50 days.
    const MileageLog log = make_log({{"1/1/2025", 10000, 12},
                                     {"1/20/2025", 10300, 11},
                                     {"2/5/2025", 10650, 14},
                                     {"2/20/2025", 11000, 15}});
    const Measured m = measured(log);
    EXPECT_DOUBLE_EQ(m.mpg, 1000.0 / 40.0);
    EXPECT_DOUBLE_EQ(m.miles_per_year, 1000.0 * 365 / 50);
    EXPECT_EQ(m.days, 50);
    EXPECT_EQ(m.from, "1/1/2025");
    EXPECT_EQ(m.to, "2/20/2025");
    EXPECT_EQ(m.first, 1);
    EXPECT_EQ(m.fill_ups(), 4);
    EXPECT_EQ(measured_mpg_text(m.mpg), "25");
    EXPECT_EQ(measured_miles_text(m.miles_per_year), "7300");
}

TEST(Measured, WindowIsTheYearBeforeTheLastEntryAndStartsFromTheEntryBeforeIt) {
    // 1/1/2024 is 366 days before 1/1/2025 (2024 is a leap year): outside the window, so the
    // entry of 1/1/2024 is the starting point and the two older ones play no part, not even
    // their odometer going back.
    const MileageLog log = make_log({{"6/1/2023", 5000, 10},
                                     {"7/1/2023", 4000, 10},
                                     {"1/1/2024", 20000, 10},
                                     {"6/1/2024", 26000, 200},
                                     {"1/1/2025", 32000, 250}});
    const Measured m = measured(log);
    EXPECT_EQ(m.first, 3);
    EXPECT_EQ(m.from, "1/1/2024");
    EXPECT_EQ(m.days, 366);
    EXPECT_DOUBLE_EQ(m.mpg, 12000.0 / 450.0);
    EXPECT_DOUBLE_EQ(m.miles_per_year, 12000.0 * 365 / 366);
    EXPECT_EQ(m.fill_ups(), 3);

    // An entry exactly 365 days before the last lies within the window.
    const MileageLog edge = make_log({{"12/1/2023", 500, 10},
                                      {"1/2/2024", 1000, 10},
                                      {"6/1/2024", 5000, 100},
                                      {"1/1/2025", 9000, 100}});
    EXPECT_EQ(measured(edge).first, 1);
    EXPECT_EQ(measured(edge).days, 397);
}

TEST(Measured, NeedsTwentyEightDays) {
    const auto log_over = [](const char* last) {
        return make_log({{"3/1/2025", 1000, 10}, {"3/10/2025", 1300, 10}, {last, 1600, 10}});
    };
    EXPECT_EQ(reason(log_over("3/28/2025")),
              "3 fill-ups over 27 days; Milora needs 28 days or more");
    const Measured m = measured(log_over("3/29/2025"));
    EXPECT_EQ(m.days, 28);
    EXPECT_DOUBLE_EQ(m.mpg, 30);
    EXPECT_EQ(measured_miles_text(m.miles_per_year), "7821"); // 600 x 365 / 28 = 7821.4
}

TEST(Measured, NeedsTwoFillupsAfterTheStart) {
    EXPECT_EQ(reason(make_log({{"1/1/2025", 1000, 10}, {"3/1/2025", 1300, 10}})),
              "2 fill-ups over 59 days; Milora needs 3 fill-ups or more");
    EXPECT_EQ(
        measured(make_log({{"1/1/2025", 1000, 10}, {"2/1/2025", 1300, 10}, {"3/1/2025", 1600, 10}}))
            .fill_ups(),
        3);
    // A long log with a single fill-up in its last year: the one before the window and the last.
    EXPECT_EQ(
        reason(make_log({{"1/1/2020", 1000, 10}, {"1/1/2023", 1300, 10}, {"3/1/2025", 1600, 10}})),
        "2 fill-ups over 790 days; Milora needs 3 fill-ups or more");
    EXPECT_EQ(reason(MileageLog{}),
              "0 fill-ups over 0 days; Milora needs 3 fill-ups or more and 28 days or more");
    EXPECT_EQ(reason(make_log({{"1/1/2025", 1000, 10}})),
              "1 fill-up over 0 days; Milora needs 3 fill-ups or more and 28 days or more");
}

TEST(Measured, MissingDataEntryCountsWithItsEstimatedGallons) {
    MileageLog log = make_log({{"1/1/2025", 1000, 10}, {"1/15/2025", 1300, 10}});
    Dialogue yes{[](const Message&) { return Answer::Yes; }};
    // 600 miles after missed fill-ups at the overall 30 MPG: 20 gallons are entered.
    ASSERT_TRUE(add_with_missing(log, "2/20/2025", "1900", "5", yes).added);
    ASSERT_FLOAT_EQ(log.gallons(3), 20);
    const Measured m = measured(log);
    EXPECT_DOUBLE_EQ(m.gallons, 30);
    EXPECT_DOUBLE_EQ(m.mpg, 30);
}

TEST(Measured, RefusesLogsThatCannotGiveTheFigures) {
    EXPECT_EQ(reason(make_log({{"5/5/2025", 1000, 10},
                               {"5/5/2025", 1100, 3},
                               {"5/5/2025", 1200, 3},
                               {"5/5/2025", 1300, 3}})),
              "4 fill-ups over 0 days; Milora needs 28 days or more");
    EXPECT_EQ(reason(make_log({{"1/1/2025", 90000, 10},
                               {"2/1/2025", 90300, 10},
                               {"3/1/2025", 100, 10},
                               {"4/1/2025", 400, 10}})),
              "The odometer goes back from 90300 to 100 at fill-up 3 (3/1/2025); Milora cannot "
              "measure across an odometer reset");
    EXPECT_EQ(
        reason(make_log({{"1/1/2025", 1000, 10}, {"Feb 1st", 1300, 10}, {"3/1/2025", 1600, 10}})),
        "The date \"Feb 1st\" of fill-up 2 is not a date Milora can read");
    EXPECT_EQ(
        reason(make_log({{"1/1/2025", 1000, 10}, {"2/30/2025", 1300, 10}, {"3/1/2025", 1600, 10}})),
        "The date \"2/30/2025\" of fill-up 2 is not a date Milora can read");
    // A date text is shown short and harmless, whatever the file held.
    EXPECT_EQ(reason(make_log({{"1/1/2025", 1000, 10},
                               {"\x1b]0;" + std::string(100, 'x'), 1300, 10},
                               {"3/1/2025", 1600, 10}})),
              "The date \"?]0;" + std::string(36, 'x') +
                  "...\" of fill-up 2 is not a date Milora can read");
    EXPECT_EQ(
        reason(make_log({{"1/1/2025", 1000, 10}, {"3/5/2025", 1300, 10}, {"3/1/2025", 1600, 10}})),
        "Fill-up 2 is dated 3/5/2025, after the fill-up that follows it (3/1/2025); Milora "
        "needs the fill-ups in date order");
    EXPECT_EQ(reason(make_log(
                  {{"13/1/2025", 1000, 10}, {"1/2/2025", 1300, 10}, {"1/14/2025", 1600, 10}})),
              "The dates put the day first in places (\"13/1/2025\") and the month first in others "
              "(\"1/14/2025\"); Milora cannot tell which date is which");
}

TEST(Measured, RefusesToMeasureAcrossAFillupTheReaderSkipped) {
    const MileageLog log = make_log({{"1/1/2025", 1000, 10},
                                     {"2/1/2025", 1300, 10},
                                     {"3/1/2025", 1900, 10},
                                     {"4/1/2025", 2200, 10}});
    const MileageLog::Index inside[] = {3};
    EXPECT_EQ(measure_log(log, DayMonthOrder::MonthFirst, inside).reason,
              "A fill-up before the one of 3/1/2025 was skipped in the file, so the fuel bought "
              "then is missing; Milora cannot measure across it");
    // One before the start does not matter.
    const MileageLog longer = make_log({{"1/1/2023", 500, 10},
                                        {"2/1/2023", 700, 10},
                                        {"1/1/2025", 1000, 10},
                                        {"2/1/2025", 1300, 10},
                                        {"3/1/2025", 1600, 10}});
    const MileageLog::Index before[] = {2};
    EXPECT_TRUE(measure_log(longer, DayMonthOrder::MonthFirst, before).measured.has_value());
}

TEST(Measured, ReadsTheDatesOfEveryForm) {
    const auto day = [](std::string_view text, DayMonthOrder order = DayMonthOrder::MonthFirst) {
        return fillup_day(text, order);
    };
    EXPECT_EQ(day("1/1/1970"), 0);
    EXPECT_EQ(day("1970-01-02"), 1);
    EXPECT_EQ(day("2/29/2024"), 19782);
    EXPECT_EQ(day("29.02.2024", DayMonthOrder::DayFirst), 19782);
    EXPECT_EQ(day("29/2/2024", DayMonthOrder::DayFirst), 19782);
    EXPECT_EQ(day(" 02/29/24 "), 19782);
    EXPECT_EQ(day("12/31/69"), day("12/31/2069"));
    EXPECT_EQ(day("1/1/70"), 0);
    for (const char* bad :
         {"2/29/2025", "13/1/2025", "1/32/2025", "0/1/2025", "1/1", "1/1/", "1/1/2025/1",
          "1-1/2025", "1/1/12345", "1/1/202", "2024-1-100", "", "x1/1/2025"}) {
        EXPECT_EQ(day(bad), std::nullopt) << bad;
    }

    // The log's order: one date with a day above 12 decides for all; otherwise the caller's.
    const MileageLog uk = make_log({{"2/1/2025", 1000, 10},   // 2 January
                                    {"20/1/2025", 1300, 10},  // 20 January
                                    {"3/2/2025", 1600, 10}}); // 3 February
    EXPECT_EQ(measured(uk).days, 32);
    const MileageLog either =
        make_log({{"2/1/2025", 1000, 10}, {"5/1/2025", 1300, 10}, {"3/2/2025", 1600, 10}});
    EXPECT_EQ(measured(either, DayMonthOrder::DayFirst).days, 32);
    EXPECT_EQ(reason(either, DayMonthOrder::MonthFirst),
              "Fill-up 2 is dated 5/1/2025, after the fill-up that follows it (3/2/2025); "
              "Milora needs the fill-ups in date order");
}

TEST(Measured, ShownAsTheBoxesShowATypedValue) {
    EXPECT_EQ(measured_mpg_text(27.35), "27.4"); // half away from zero on its decimal digits
    EXPECT_EQ(measured_mpg_text(27.349999), "27.3");
    EXPECT_EQ(measured_mpg_text(27.96), "28");
    EXPECT_EQ(measured_miles_text(11829.5), "11830");
    EXPECT_EQ(measured_miles_text(11829.49), "11829");
    // Beyond what a single holds: the box refuses the text, as it refuses it typed.
    EXPECT_FALSE(numbers::parse_single(measured_miles_text(1.2e39)).has_value());
    EXPECT_EQ(measured_mpg_text(0.04), "0");
}

TEST(Measured, LogsReadByTheTrackersReader) {
    MileageLog six;
    ASSERT_TRUE(read_log_text(file_text("six_entries.miloragas"), six).understood);
    const Measured m = measured(six);
    EXPECT_EQ(m.from, "9/16/2006");
    EXPECT_EQ(m.to, "10/21/2006");
    EXPECT_EQ(m.fill_ups(), 6);
    EXPECT_EQ(measured_mpg_text(m.mpg), "30");
    EXPECT_EQ(measured_miles_text(m.miles_per_year), "15643"); // 1500 x 365 / 35

    // A Fuelly export: a partial fill-up merged into the next, a double entry dropped, and a
    // fill-up after missed ones entered with the gallons of "Add Purchase (With Missing Data)".
    MileageLog fuelly;
    const LogRead read = read_log_text(file_text("import/fuelly.csv"), fuelly);
    const Measurement f = measure_read(read, fuelly, DayMonthOrder::MonthFirst);
    ASSERT_TRUE(f.measured.has_value()) << f.reason;
    EXPECT_EQ(f.measured->fill_ups(), 5);
    EXPECT_NEAR(f.measured->gallons, 10.3 + 10 + 22.26451 + 10, 1e-5);
    EXPECT_EQ(measured_mpg_text(f.measured->mpg), "30.7");
    EXPECT_DOUBLE_EQ(f.measured->miles_per_year, 1612.0 * 365 / 43);

    // A file whose reading stopped part-way is not measured: its later fill-ups are missing.
    MileageLog cut;
    const LogRead stopped = read_log_text("\"1/1/2025\",1000,10\r\n\"2/1/2025\",1300,x\r\n", cut);
    EXPECT_EQ(measure_read(stopped, cut, DayMonthOrder::MonthFirst).reason,
              "line 2 cannot be read: the gallons \"x\" are not a number");
}
