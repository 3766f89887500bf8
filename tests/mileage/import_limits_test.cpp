// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// What a hostile file costs is bounded by work, not by its worst line: cells kept per record,
// skipped rows kept with their reasons, rows of nothing never stored.

#include "mileage/fuel_import.h"
#include "mileage/import_records.h"

#include <gtest/gtest.h>

using namespace milora::mileage;
using namespace milora::mileage::import;

TEST(ImportLimitsTest, ARecordKeepsABoundedNumberOfCells) {
    const std::string line = "a,b," + std::string(200000, ',') + "last\nnext\n";
    CsvReader reader(line, ',');
    CsvRecord r;
    ASSERT_TRUE(reader.next(r));
    EXPECT_EQ(r.size, CsvReader::kMaxCells);
    EXPECT_LE(r.views.size(), CsvReader::kMaxCells);
    EXPECT_TRUE(r.truncated);
    EXPECT_EQ(r[0], "a");
    EXPECT_EQ(r[CsvReader::kMaxCells - 1], "last");
    ASSERT_TRUE(reader.next(r)); // the next line is still its own record
    EXPECT_EQ(r[0], "next");
    EXPECT_EQ(r.line, 2);
    // A Milora line of very many items is still "more than three items".
    MileageLog log;
    const LogRead milora = read_log_text("\"1/2/2024\",1000,10" + std::string(100000, ',') + "\n",
                                         log, ImportFormat::Milora);
    ASSERT_TRUE(milora.milora.stop.has_value());
    EXPECT_EQ(milora.milora.stop->reason, "it has more than three items");
}

TEST(ImportLimitsTest, SkippedRowsAreCountedAllAndListedFirstThousand) {
    std::string text = "Date,Odometer,Gallons\n2024-01-02,1000,10\n";
    for (int i = 0; i < 3000; ++i) {
        text += "2024-01-05,1100,\n"; // no volume
        text += ",,\n";               // nothing at all
    }
    text += "2024-01-09,1300,10\n";
    MileageLog log;
    const LogRead r = read_log_text(text, log);
    EXPECT_EQ(log.fillup_count(), 2);
    EXPECT_EQ(r.report.rows, 6002);
    EXPECT_EQ(r.report.skipped_rows, 6000);
    ASSERT_EQ(r.report.skipped.size(), ImportReport::kSkippedKept);
    EXPECT_EQ(r.report.skipped.front().line, 3);
    EXPECT_EQ(r.report.skipped.back().line, 1002);
    for (std::size_t i = 1; i < r.report.skipped.size(); ++i) {
        EXPECT_LT(r.report.skipped[i - 1].line, r.report.skipped[i].line);
    }
    // The fill-ups with no volume lost fuel from the tank; the empty rows lost nothing.
    EXPECT_EQ(r.report.unreliable, (std::vector<MileageLog::Index>{2}));
    MileageLog empty_rows;
    const LogRead e = read_log_text("Date,Odometer,Gallons\n2024-01-02,1000,10\n,,\n , ,\n"
                                    "2024-01-09,1300,10\n",
                                    empty_rows);
    EXPECT_EQ(e.report.skipped_rows, 2);
    EXPECT_TRUE(e.report.unreliable.empty());
}
