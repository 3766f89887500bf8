// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/mileage_file.h"
#include "support/temp_folder.h"

#include "mileage/log_fixtures.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace milora;
using namespace milora::mileage;
using milora::test::make_log;
using milora::test::six_entry_log;
namespace fs = std::filesystem;
using milora::test::slurp;
using milora::test::TempFolder;

namespace {

class MileageFileTest : public ::testing::Test {
protected:
    TempFolder temp{"mileage"};
    const fs::path& dir = temp.path();
    std::string path(const std::string& name) const { return (dir / name).string(); }
};

struct Read {
    MileageLog log;
    ReadResult result;
};

Read read_text(const std::string& text) {
    Read r;
    r.result = read_mileage_text(text, r.log);
    return r;
}

void expect_same_entries(const MileageLog& a, const MileageLog& b) {
    ASSERT_EQ(a.fillup_count(), b.fillup_count());
    for (MileageLog::Index i = 1; i <= a.fillup_count(); ++i) {
        const Fillup& x = a.entry(i);
        const Fillup& y = b.entry(i);
        EXPECT_EQ(x.Fillup_Date, y.Fillup_Date) << i;
        EXPECT_EQ(x.Fillup_Odometer, y.Fillup_Odometer) << i;
        EXPECT_EQ(x.Fillup_Gallons, y.Fillup_Gallons) << i;
        EXPECT_EQ(x.Tank_MPG, y.Tank_MPG) << i;
        EXPECT_EQ(x.Overall_MPG, y.Overall_MPG) << i;
        EXPECT_EQ(x.Five_Tank_MPG, y.Five_Tank_MPG) << i;
    }
}

} // namespace

TEST_F(MileageFileTest, EachEntryIsAQuotedDateAndTwoNumbersEndedByCrLf) {
    const MileageLog log = make_log({{"9/16/2006", 12345, 10.5F}, {"9/23/2006", 12600.7F, 0.125F}});
    EXPECT_EQ(mileage_file_text(log),
              "\"9/16/2006\",12345,10.5\r\n\"9/23/2006\",12600.7,0.125\r\n");
    EXPECT_EQ(mileage_file_text(MileageLog{}), "");
}

TEST_F(MileageFileTest, AFigureIsWrittenWithMoreDigitsOnlyWhereSevenDoNotReadBack) {
    // 12345 km held in miles: 7 digits ("7670.86") would read back as another single.
    const float km_odometer = 12345 / 1.609344F;
    const float litres = 40.37F / 3.785411784F;
    const float seven = 1234.567F; // typed in miles: seven digits are the value
    const MileageLog log =
        make_log({{"a", seven, 0.1234567F}, {"b", 7670.827F, litres}, {"c", 1.0e8F, 9.5F}});
    const std::string text = mileage_file_text(log);
    EXPECT_EQ(text.substr(0, 24), "\"a\",1234.567,0.1234567\r\n");
    EXPECT_EQ(text.substr(24), "\"b\",7670.827,10.664625\r\n\"c\",1E+08,9.5\r\n");
    const MileageLog back = read_text(text).log;
    expect_same_entries(log, back);

    // Every single of a wide spread reads back as itself, plain or in the exponent form.
    MileageLog spread;
    float odometer = 1e-4F;
    for (int i = 0; i < 250; ++i) {
        spread.append("d", odometer, km_odometer / static_cast<float>(i + 1));
        odometer = odometer * 1.37F + 0.001F;
    }
    expect_same_entries(spread, read_text(mileage_file_text(spread)).log);
}

TEST_F(MileageFileTest, SavedThenReadGivesBackTheSameEntriesAndDerivedValues) {
    const MileageLog log = make_log({{"9/16/2006", 12345.6F, 11.111F},
                                     {"Sep 23, 2006", 12601.3F, 9.87654F},
                                     {"the \"long\" trip", 13012.9F, 14.2F},
                                     {"", 13200, 6.5F},
                                     {"10/7/2006", 13555.5F, 12.25F},
                                     {"10/14/2006", 13811, 8.001F},
                                     {"10/21/2006", 14100.2F, 10.3F}});
    const std::string p = path("log.miloragas");
    ASSERT_TRUE(write_mileage_file(p, log).ok());
    const auto contents = read_mileage_contents(p);
    ASSERT_TRUE(contents);
    const Read back = read_text(*contents);
    EXPECT_FALSE(back.result.stop);
    EXPECT_EQ(back.result.entries, 7);
    expect_same_entries(back.log, log);
}

TEST_F(MileageFileTest, LinesMayEndWithCrLfALoneCrOrALoneLf) {
    const Read r = read_text("\"a\",1000,10\n\"b\",1300,10\r\"c\",1600,10\r\n\"d\",1900,10");
    EXPECT_FALSE(r.result.stop);
    ASSERT_EQ(r.log.fillup_count(), 4);
    EXPECT_EQ(r.log.entry(4).Fillup_Date, "d");
    EXPECT_EQ(r.log.entry(4).Overall_MPG, 30.0F);
}

TEST_F(MileageFileTest, ASpreadsheetsCommaSeparatedFileReads) {
    // Unquoted dates, blanks around items, a byte order mark, blank lines, a quoted number.
    const Read r = read_text("\xEF\xBB\xBF"
                             "9/16/2006, 1000 ,10\r\n"
                             "\r\n"
                             " 9/23/2006 ,1300,\"10\"\r\n"
                             "\"Sep 30, 2006\",1600,1e1\r\n"
                             "   \r\n");
    EXPECT_FALSE(r.result.stop);
    ASSERT_EQ(r.log.fillup_count(), 3);
    EXPECT_EQ(r.log.entry(1).Fillup_Date, "9/16/2006");
    EXPECT_EQ(r.log.entry(2).Fillup_Date, "9/23/2006");
    EXPECT_EQ(r.log.entry(3).Fillup_Date, "Sep 30, 2006");
    EXPECT_EQ(r.log.entry(3).Fillup_Gallons, 10.0F);
}

TEST_F(MileageFileTest, AHeaderLineImportsNothing) {
    const Read r = read_text("Date,Odometer,Gallons\r\n\"9/16/2006\",1000,10\r\n");
    EXPECT_EQ(r.log.fillup_count(), 0);
    EXPECT_EQ(r.result.entries, 0);
    ASSERT_TRUE(r.result.stop);
    EXPECT_EQ(r.result.stop->line, 1);
    EXPECT_EQ(r.result.stop->reason, "the odometer reading \"Odometer\" is not a number");
}

TEST_F(MileageFileTest, ReadingStopsAtTheFirstBadLineAndKeepsWhatCameBefore) {
    struct Case {
        const char* line;
        const char* reason;
    };
    const Case cases[] = {
        {"\"c\",1600", "the line is cut short: it has two items instead of three"},
        {"\"c\"", "the line is cut short: it has one item instead of three"},
        {"\"c\",1600,10,extra", "it has more than three items"},
        {"\"c,1600,10", "a quoted item has no closing quote"},
        {"\"c\"x,1600,10", "there is text after a quoted item"},
        {"\"c\",1,600,10", "it has more than three items"},
        {"\"c\",1600,ten", "the gallons \"ten\" are not a number"},
        {"\"c\",,10", "the odometer reading \"\" is not a number"},
        {"\"c\",1600,0", "its odometer reading and gallons give no meaningful MPG"},
    };
    for (const Case& c : cases) {
        const Read r = read_text("\"a\",1000,10\r\n\r\n\"b\",1300,10\r\n" + std::string(c.line) +
                                 "\r\n\"d\",1900,10\r\n");
        EXPECT_EQ(r.log.fillup_count(), 2) << c.line;
        EXPECT_EQ(r.result.entries, 2) << c.line;
        ASSERT_TRUE(r.result.stop) << c.line;
        EXPECT_EQ(r.result.stop->line, 4) << c.line; // the blank line counts
        EXPECT_EQ(r.result.stop->reason, c.reason) << c.line;
    }
}

TEST_F(MileageFileTest, TheUserIsToldWhereReadingStopped) {
    const Read two = read_text("\"a\",1000,10\r\n\"b\",1300,10\r\n\"c\",x,10\r\n");
    EXPECT_EQ(read_stopped_message("/home/u/car.csv", two.result),
              (Message{"Milora",
                       "Reading of the file \"/home/u/car.csv\" stopped at line 3: the "
                       "odometer reading \"x\" is not a number. 2 entries were read before "
                       "that line.",
                       Icon::Warning, Buttons::Ok}));
    const Read one = read_text("\"a\",1000,10\r\n\"b\"\r\n");
    EXPECT_NE(read_stopped_message("f", one.result).text.find(". 1 entry was read before"),
              std::string::npos);
}

TEST_F(MileageFileTest, AFileOfAnyLengthIsReadWhole) {
    std::string text;
    for (int i = 0; i < 1500; ++i) {
        text += "\"d\"," + std::to_string(1000 + 300 * i) + ",10\r\n";
    }
    const Read r = read_text(text);
    EXPECT_FALSE(r.result.stop);
    EXPECT_EQ(r.log.fillup_count(), 1500);
    EXPECT_EQ(r.log.last().Fillup_Odometer, 1000.0F + 300.0F * 1499);
}

TEST_F(MileageFileTest, AFailedSaveLeavesTheOldFileWhole) {
    const std::string p = path("log.miloragas");
    ASSERT_TRUE(write_mileage_file(p, six_entry_log()).ok());
    const std::string before = slurp(p);
    const Status w =
        write_mileage_file(p, make_log({{"x", 1, 1}}), [] { throw std::runtime_error("crash"); });
    EXPECT_FALSE(w.ok());
    EXPECT_FALSE(w.reason().empty());
    EXPECT_EQ(slurp(p), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_FALSE(write_mileage_file(path("no/such/folder/log.miloragas"), six_entry_log()).ok());
}

TEST_F(MileageFileTest, AFileThatCannotBeOpenedReadsAsNothing) {
    const auto missing = read_mileage_contents(path("missing.miloragas"));
    EXPECT_FALSE(missing);
    EXPECT_FALSE(missing.reason().empty()); // what the user is told it could not be opened for
    EXPECT_FALSE(read_mileage_contents(dir.string()));
    EXPECT_EQ(cannot_open_message("/x/y.csv").text, "The file \"/x/y.csv\" could not be opened.");
}

TEST_F(MileageFileTest, ALineWhoseOdometerGoesBackIsSkippedAndCountsInNoMpg) {
    // A hand-edited or merged file: 1300 then 1, and an equal reading later.
    const Read r =
        read_text("\"1/1/2024\",1000,10\r\n\"1/8/2024\",1300,10\r\n\"1/15/2024\",1,10\r\n"
                  "\"1/22/2024\",1600,10\r\n\"1/29/2024\",1600,5\r\n\"2/5/2024\",1900,10\r\n");
    EXPECT_FALSE(r.result.stop);
    EXPECT_EQ(r.result.entries, 4);
    ASSERT_EQ(r.log.fillup_count(), 4);
    for (MileageLog::Index i = 2; i <= 4; ++i) {
        EXPECT_FLOAT_EQ(r.log.entry(i).Tank_MPG, 30) << i;
        EXPECT_FLOAT_EQ(r.log.entry(i).Overall_MPG, 30) << i;
        EXPECT_FLOAT_EQ(r.log.entry(i).Five_Tank_MPG, 30) << i;
    }
    ASSERT_EQ(r.result.skipped_lines, 2);
    ASSERT_EQ(r.result.skipped.size(), 2U);
    EXPECT_EQ(r.result.skipped[0].line, 3);
    EXPECT_EQ(r.result.skipped[0].reason,
              "its odometer reading 1 is not above the previous entry's 1300");
    EXPECT_EQ(r.result.skipped[1].line, 5);
    // The entry after each skipped line lost that fill-up's fuel.
    EXPECT_EQ(r.result.unreliable, (std::vector<MileageLog::Index>{3, 4}));
    EXPECT_EQ(lines_skipped_message("log.miloragas", r.result).text,
              "In the file \"log.miloragas\", 2 lines were skipped, so that no MPG counts them:\n"
              "line 3: its odometer reading 1 is not above the previous entry's 1300;\n"
              "line 5: its odometer reading 1600 is not above the previous entry's 1600.\n"
              "Saving the log leaves the skipped lines out of the file.");

    // A long run of them is counted whole and listed in part.
    std::string text = "\"a\",5000,10\r\n";
    for (int i = 0; i < 1200; ++i) {
        text += "\"b\",1,1\r\n";
    }
    const Read many = read_text(text + "\"c\",5300,10\r\n");
    EXPECT_EQ(many.result.skipped_lines, 1200);
    EXPECT_EQ(many.result.skipped.size(), ReadResult::kSkippedKept);
    EXPECT_EQ(many.log.fillup_count(), 2);
    const std::string shown = lines_skipped_message("f", many.result).text;
    EXPECT_NE(shown.find("1200 lines were skipped"), std::string::npos);
    EXPECT_NE(shown.find("\nand 1195 more.\n"), std::string::npos);
}
