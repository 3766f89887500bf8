// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// The record reader every file goes through: quoted cells that span lines, and stray quotes that
// must not swallow the rows after them.

#include "mileage/fuel_import.h"
#include "mileage/import_records.h"

#include <gtest/gtest.h>

using namespace milora::mileage;
using namespace milora::mileage::import;

namespace {

// Each record as "line: cell|cell|...", with a "!" after a cell whose quote never closed.
std::vector<std::string> records(std::string_view text,
                                 CsvReader::Quotes quotes = CsvReader::Quotes::SpanLines) {
    CsvReader reader(text, ',', quotes);
    CsvRecord r;
    std::vector<std::string> out;
    while (reader.next(r)) {
        std::string s = std::to_string(r.line) + ":";
        for (std::size_t i = 0; i < r.size; ++i) {
            s += (i == 0 ? " " : "|") + std::string(r[i]) +
                 (r.has(i, CsvRecord::Unclosed) ? "!" : "");
        }
        out.push_back(s);
    }
    return out;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(ImportRecordsTest, AQuoteThatDoesNotCloseSoonEndsWithItsLine) {
    // A note of two lines is one cell; the line count goes on past it.
    EXPECT_EQ(records("a,\"two\nlines\",b\nc,d\n"), (Lines{"1: a|two\nlines|b", "3: c|d"}));
    EXPECT_EQ(records("a,\"say \"\"hi\"\"\r\nthere\"\r\nc\r\n"),
              (Lines{"1: a|say \"hi\"\nthere", "3: c"}));
    // A stray quote whose next quote opens a later cell: the rows after it stay rows.
    EXPECT_EQ(records("1,\"17\"\" tires\n2,\"ok\"\n3,x\n"),
              (Lines{"1: 1|17\" tires!", "2: 2|ok", "3: 3|x"}));
    // ... and one with no quote after it at all, or only far away.
    EXPECT_EQ(records("1,\"open\n2,b\n"), (Lines{"1: 1|open!", "2: 2|b"}));
    std::string far = "1,\"open\n";
    for (int i = 0; i < CsvReader::kQuotedLines + 1; ++i) {
        far += "r\n";
    }
    far += "\",end\n";
    EXPECT_EQ(records(far).size(), static_cast<std::size_t>(CsvReader::kQuotedLines + 3));
    // Milora's own files never let a quote pass the end of its line.
    EXPECT_EQ(records("\"a\nb\",1,2\n", CsvReader::Quotes::OneLine),
              (Lines{"1: a!", "2: b\"|1|2"}));
}

TEST(ImportRecordsTest, TheRowOfAStrayQuoteIsListedAndTheRestRead) {
    MileageLog log;
    const LogRead r = read_log_text("Date,Odometer,Gallons,Notes\n"
                                    "2024-01-02,1000,10,new\n"
                                    "2024-01-09,1300,10,\"17\"\" tires\n"
                                    "2024-01-16,1600,10,\"fine\"\n"
                                    "2024-01-23,1900,10,\n",
                                    log);
    EXPECT_EQ(log.fillup_count(), 3);
    EXPECT_EQ(r.report.rows, 4);
    ASSERT_EQ(r.report.skipped.size(), 1U);
    EXPECT_EQ(r.report.skipped[0].line, 3);
    EXPECT_EQ(r.report.unreliable, (std::vector<MileageLog::Index>{2}));
}
