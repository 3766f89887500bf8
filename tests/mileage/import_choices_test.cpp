// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// What the import makes of what a file leaves open: the fuel of a skipped fill-up, and units no
// heading names.
#include "mileage/fuel_import.h"
#include "mileage/import_preview.h"

#include <gtest/gtest.h>

using namespace milora::mileage;

namespace {

struct Read {
    MileageLog log;
    LogRead read;
};

Read read_text(const std::string& text, const ImportChoices& choices = {}) {
    Read r;
    r.read = read_log_text(text, r.log, choices);
    return r;
}

} // namespace

TEST(ImportChoicesTest, ASkippedFillUpInTheMiddleDoesNotRaiseTheAverage) {
    // 30 MPG throughout; the fill-up at 1900 has no readable volume.
    const std::string text = "Date,Odometer,Gallons\n2024-03-02,1000,10\n2024-03-09,1300,10\n"
                             "2024-03-16,1600,10\n2024-03-23,1900,n/a\n2024-03-30,2200,10\n"
                             "2024-04-06,2500,10\n";
    const Read r = read_text(text);
    ASSERT_EQ(r.log.fillup_count(), 5);
    EXPECT_FLOAT_EQ(r.log.overall_average(), 30); // 36.0 if the stretch kept only 10 gallons
    EXPECT_FLOAT_EQ(r.log.entry(4).Fillup_Gallons, 20);
    EXPECT_EQ(r.read.report.skipped_estimated, (std::vector<MileageLog::Index>{4}));
    EXPECT_TRUE(r.read.report.unreliable.empty());
    // rows = entries + merged partial + skipped still holds.
    EXPECT_EQ(r.read.report.rows, 6);
    EXPECT_EQ(r.read.report.skipped_rows, 1);
    EXPECT_NE(
        import_preview("f.csv", r.read.report, r.log).text.find(skipped_fuel_text(r.read.report)),
        std::string::npos);

    // The second entry has one entry before it: nothing to estimate from, so it is only marked.
    const Read early = read_text("Date,Odometer,Gallons\n2024-03-02,1000,10\n2024-03-09,1300,\n"
                                 "2024-03-16,1600,10\n2024-03-23,1900,10\n");
    EXPECT_EQ(early.read.report.unreliable, (std::vector<MileageLog::Index>{2}));
    EXPECT_TRUE(early.read.report.skipped_estimated.empty());
    EXPECT_TRUE(skipped_fuel_text(early.read.report).empty());
    EXPECT_FLOAT_EQ(early.log.entry(2).Fillup_Gallons, 10);

    // A tank already estimated as after missed fill-ups is not estimated twice.
    const Read missed = read_text("Date,Odometer,Gallons,Missed\n2024-03-02,1000,10,\n"
                                  "2024-03-09,1300,10,\n2024-03-16,1600,10,\n"
                                  "2024-03-23,1900,x,\n2024-03-30,2200,10,yes\n");
    EXPECT_EQ(missed.read.report.missed, 1);
    EXPECT_TRUE(missed.read.report.skipped_estimated.empty());
    EXPECT_FLOAT_EQ(missed.log.overall_average(), 30);
}
