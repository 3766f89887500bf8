// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/entry_list.h"
#include "mileage/log_fixtures.h"
#include "mileage/mileage_log.h"
#include "numbers/format_pattern.h"
#include "numbers/precision.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::mileage;
using milora::test::make_log;
using milora::test::six_entry_log;

namespace {

// Columns `from` to `to` (1-based, inclusive) of a list line.
std::string columns(const std::string& line, std::size_t from, std::size_t to) {
    return line.substr(from - 1, to - from + 1);
}

} // namespace

TEST(MileageLogTest, EvenFillupsGiveThirtyInEveryColumn) {
    const MileageLog log = six_entry_log();
    ASSERT_EQ(log.fillup_count(), 6);
    for (MileageLog::Index i = 2; i <= 6; ++i) {
        EXPECT_EQ(log.entry(i).Tank_MPG, 30.0F) << i;
        EXPECT_EQ(log.entry(i).Overall_MPG, 30.0F) << i;
        EXPECT_EQ(log.entry(i).Five_Tank_MPG, 30.0F) << i;
        const std::string line = entry_line(log, i);
        EXPECT_EQ(columns(line, 49, 52), "30.0") << i;
        EXPECT_EQ(columns(line, 64, 67), "30.0") << i;
    }
    EXPECT_EQ(log.overall_average(), 30.0F);
}

TEST(MileageLogTest, FiveTankAverageLooksBackFiveTanksOnceThereAreSix) {
    // Entry 7 runs 600 miles on 15 gallons after five tanks of 30 MPG.
    const MileageLog log = make_log({{"a", 1000, 99}, // the first fill-up's gallons count nowhere
                                     {"b", 1300, 10},
                                     {"c", 1600, 10},
                                     {"d", 1900, 10},
                                     {"e", 2200, 10},
                                     {"f", 2500, 10},
                                     {"g", 3100, 15}});
    const Fillup& g = log.entry(7);
    EXPECT_EQ(numbers::format(g.Tank_MPG, "0.0"), "40.0");
    EXPECT_EQ(numbers::format(g.Overall_MPG, "0.0"), "32.3");   // 2100 miles / 65 gallons
    EXPECT_EQ(numbers::format(g.Five_Tank_MPG, "0.0"), "32.7"); // 1800 miles / 55 gallons
    // Up to entry 6 the five-tank average is the average since the first entry.
    const MileageLog uneven = make_log({{"a", 1000, 5}, {"b", 1400, 10}, {"c", 1600, 10}});
    EXPECT_EQ(uneven.entry(2).Five_Tank_MPG, 40.0F);
    EXPECT_EQ(uneven.entry(3).Five_Tank_MPG, 30.0F);
    EXPECT_EQ(uneven.entry(3).Overall_MPG, 30.0F);
    EXPECT_EQ(uneven.entry(3).Tank_MPG, 20.0F);
}

TEST(MileageLogTest, FirstAndSecondListLines) {
    const MileageLog log = make_log({{"9/16/2006", 1000, 10}, {"9/23/2006", 1075, 10}});
    const std::string first = entry_line(log, 1);
    EXPECT_EQ(first, " 9/16/2006       1000          10.0             XXXX          XXXX   ");
    EXPECT_EQ(first.size(), kLineColumns);
    EXPECT_EQ(columns(first, 49, 52), "XXXX");
    EXPECT_EQ(columns(first, 63, 66), "XXXX");
    // The tank MPG in both MPG columns, the five-tank one with two digits before the point.
    const std::string second = entry_line(log, 2);
    EXPECT_EQ(second, " 9/23/2006       1075          10.0              7.5           07.5  ");
    EXPECT_EQ(second.size(), kLineColumns);
}

TEST(MileageLogTest, ListValuesAreRoundedAndRightAligned) {
    const MileageLog log =
        make_log({{"12/31/2006", 123456.6F, 9.96F}, {"1/1/2007", 123789.4F, 10.04F}});
    const std::string line = entry_line(log, 1);
    EXPECT_EQ(columns(line, 1, 10), "12/31/2006");
    EXPECT_EQ(columns(line, 11, 21), "     123457");
    EXPECT_EQ(columns(line, 22, 35), "          10.0");
    const std::string second = entry_line(log, 2);
    EXPECT_EQ(columns(second, 1, 10), "  1/1/2007");
    EXPECT_EQ(columns(second, 36, 52), "             33.1"); // 332.8 miles / 10.04 gallons
    EXPECT_EQ(columns(second, 53, 69), "           33.1  ");
}

TEST(MileageLogTest, AValueTooLongForItsPlaceKeepsABlankBeforeIt) {
    const MileageLog log = make_log({{"9/16/2006", 1e12F, 10}});
    const std::string line = entry_line(log, 1);
    const std::string odometer = numbers::format(1e12F, "#0");
    ASSERT_GT(odometer.size(), 10U);
    EXPECT_EQ(line.substr(0, 11 + odometer.size()), " 9/16/2006 " + odometer);
    // Later values that still fit stay in their columns.
    EXPECT_EQ(columns(line, 49, 52), "XXXX");
    EXPECT_EQ(line.size(), kLineColumns);
    EXPECT_EQ(entry_line_lead(log, 1), 0U);
}

TEST(MileageLogTest, ALongDateRunsLeftOfTheFirstColumn) {
    const MileageLog log =
        make_log({{"Saturday 16 September 2006", 1000, 10}, {"Sept 23, 2006", 1300, 10}});
    const std::string line = entry_line(log, 1);
    ASSERT_EQ(entry_line_lead(log, 1), 16U);
    EXPECT_EQ(line.size(), kLineColumns + 16);
    const std::string from_first_column = line.substr(16);
    EXPECT_EQ(line.substr(0, 26), "Saturday 16 September 2006");
    // Every value stays in its column, counted from the first column.
    EXPECT_EQ(columns(from_first_column, 11, 21), "       1000");
    EXPECT_EQ(columns(from_first_column, 22, 35), "          10.0");
    EXPECT_EQ(columns(from_first_column, 49, 52), "XXXX");
    EXPECT_EQ(entry_line_lead(log, 2), 3U);
    EXPECT_EQ(entry_line(log, 2).substr(0, 24), "Sept 23, 2006       1300");
}

TEST(MileageLogTest, ListTextStartsWithAnEmptyLineAndUsesCrLf) {
    const MileageLog log = six_entry_log();
    const std::string list = list_text(log);
    std::string expected;
    for (MileageLog::Index i = 1; i <= 6; ++i) {
        expected += "\r\n" + entry_line(log, i);
        EXPECT_EQ(entry_line_addition(log, i), "\r\n" + entry_line(log, i));
    }
    EXPECT_EQ(list, expected);
    EXPECT_EQ(list_text(MileageLog{}), "");
}

TEST(MileageLogTest, AFillupWithoutMeaningfulMpgIsRefusedAndTheLogUnchanged) {
    MileageLog log = make_log({{"a", 1000, 0}}); // the first fill-up's gallons enter nothing
    EXPECT_THROW(log.append("b", 1300, 0), numbers::FloatFault);
    EXPECT_THROW(log.append("b", 3e38F, 1e-30F), numbers::FloatFault);
    EXPECT_EQ(log.fillup_count(), 1);
    log.append("b", 1300, 10);
    EXPECT_EQ(log.entry(2).Tank_MPG, 30.0F);
    EXPECT_EQ(log.gallons_after_first(), 10.0F);
}

TEST(MileageLogTest, ClearEmptiesTheLogAndItsRunningTotal) {
    MileageLog log = six_entry_log();
    log.clear();
    EXPECT_EQ(log.fillup_count(), 0);
    log.append("a", 100, 5);
    log.append("b", 400, 10);
    EXPECT_EQ(log.entry(2).Overall_MPG, 30.0F);
}

TEST(MileageLogTest, HoldsFarMoreThanFiveHundredEntries) {
    MileageLog log;
    for (int i = 0; i < 2000; ++i) {
        log.append("d", static_cast<float>(1000 + 300 * i), 10);
    }
    EXPECT_EQ(log.fillup_count(), 2000);
    EXPECT_EQ(log.last().Five_Tank_MPG, 30.0F);
}

namespace {

// Every stored and derived value of both logs, bit for bit.
void expect_same_log(const milora::mileage::MileageLog& a, const milora::mileage::MileageLog& b,
                     const std::string& what) {
    ASSERT_EQ(a.fillup_count(), b.fillup_count()) << what;
    for (milora::mileage::MileageLog::Index i = 1; i <= a.fillup_count(); ++i) {
        const auto x = a.entry(i);
        const auto y = b.entry(i);
        EXPECT_EQ(x.Fillup_Date, y.Fillup_Date) << what << " entry " << i;
        EXPECT_EQ(x.Fillup_Odometer, y.Fillup_Odometer) << what << " entry " << i;
        EXPECT_EQ(x.Fillup_Gallons, y.Fillup_Gallons) << what << " entry " << i;
        EXPECT_EQ(x.Tank_MPG, y.Tank_MPG) << what << " entry " << i;
        EXPECT_EQ(x.Overall_MPG, y.Overall_MPG) << what << " entry " << i;
        EXPECT_EQ(x.Five_Tank_MPG, y.Five_Tank_MPG) << what << " entry " << i;
    }
    EXPECT_EQ(a.gallons_after_first(), b.gallons_after_first()) << what;
}

} // namespace

TEST(MileageLogTest, AChangedLogIsDerivedAsIfItHadBeenTypedThatWay) {
    using milora::mileage::Fillup;
    using milora::mileage::MileageLog;
    // Nine uneven fill-ups, so that every five-tank window and running sum differs.
    std::vector<milora::test::Row> rows;
    float odometer = 1000;
    for (int i = 0; i < 9; ++i) {
        odometer += 250.3F + 17.1F * static_cast<float>(i % 4);
        rows.push_back({"d" + std::to_string(i), odometer, 8.7F + 0.37F * static_cast<float>(i)});
    }
    auto typed = [](const std::vector<milora::test::Row>& r) {
        MileageLog log;
        for (const auto& row : r) {
            log.append(row.date, row.odometer, row.gallons);
        }
        return log;
    };
    const MileageLog whole = typed(rows);
    for (std::size_t at = 0; at < rows.size(); ++at) {
        const auto i = static_cast<MileageLog::Index>(at + 1);
        auto fewer = rows;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(at));
        MileageLog erased = whole;
        erased.erase(i);
        expect_same_log(erased, typed(fewer), "erase " + std::to_string(i));

        MileageLog back = erased;
        back.insert(i, whole.entry(i));
        expect_same_log(back, whole, "insert " + std::to_string(i));

        auto changed = rows;
        changed[at].gallons += 1.25F;
        MileageLog replaced = whole;
        Fillup f = whole.entry(i);
        f.Fillup_Gallons = changed[at].gallons;
        replaced.replace(i, f);
        expect_same_log(replaced, typed(changed), "replace " + std::to_string(i));
    }
    MileageLog popped = whole;
    popped.pop_back();
    expect_same_log(popped, typed({rows.begin(), rows.end() - 1}), "pop_back");
    popped.append(rows.back().date, rows.back().odometer, rows.back().gallons);
    expect_same_log(popped, whole, "pop_back and append");
}

TEST(MileageLogTest, AChangeWithNoMeaningfulMpgLeavesTheLogAsItWas) {
    using milora::mileage::MileageLog;
    const MileageLog log = milora::test::six_entry_log();
    MileageLog changed = log;
    auto f = log.entry(3);
    f.Fillup_Gallons = 0;
    EXPECT_THROW(changed.replace(3, f), milora::numbers::FloatFault);
    expect_same_log(changed, log, "no gallons");
    EXPECT_THROW(changed.erase(7), std::out_of_range);
    EXPECT_THROW(changed.insert(0, f), std::out_of_range);
    expect_same_log(changed, log, "out of range");
}
