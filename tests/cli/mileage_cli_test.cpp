// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "cli/calc_cli.h"
#include "support/cli_run.h"

#include "mileage/mileage_tracker.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

using namespace milora;
using milora::test::CliRun;
using milora::test::run;

namespace {

const std::string kSix = std::string(MILORA_TEST_DATA) + "/six_entries.miloragas";

} // namespace

TEST(MileageCliTest, PrintsTheListTheTrackerShowsAfterOpen) {
    mileage::MileageTracker tracker([](const Message& m) {
        ADD_FAILURE() << m.text;
        return Answer::Ok;
    });
    tracker.open(kSix);
    std::string shown;
    for (const char c : tracker.list()) {
        if (c != '\r') {
            shown += c;
        }
    }
    const CliRun r = run({"mileage", kSix});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, shown + "\n");
    EXPECT_EQ(r.err, "");
}

TEST(MileageCliTest, JsonHoldsTheExactTextsAndNullsForTheFirstEntry) {
    const CliRun r = run({"mileage", kSix, "--json", "--summary"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"list\": \"\\r\\n 9/16/2006       1000"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"tank_mpg\": null"), std::string::npos);
    EXPECT_NE(r.out.find("\"summary\": \"Over the period"), std::string::npos);
    EXPECT_NE(r.out.find("\"plot\": null"), std::string::npos);
    EXPECT_NE(r.out.find("\"read_error\": null"), std::string::npos);
}

TEST(MileageCliTest, TooFewEntriesAreToldOnStandardError) {
    // A file in none of the layouts reads as an empty log.
    const std::string two = std::string(MILORA_TEST_DATA) + "/import/not_a_log.txt";
    const CliRun r = run({"mileage", kSix, "--plot", "--car", "/no/such/car.miloracar"});
    EXPECT_EQ(r.status, 4);
    EXPECT_EQ(r.err, "cannot read the car data file /no/such/car.miloracar: it does not exist\n");
    const CliRun header = run({"mileage", two, "--summary", "--plot"});
    EXPECT_EQ(header.status, 4);
    EXPECT_NE(header.err.find("Milora: You need to have at least two data points to create a "
                              "summary.\n"),
              std::string::npos);
    EXPECT_NE(header.err.find("More Data Needed: A minimum of three points is needed for a plot "
                              "to make any sense.\n"),
              std::string::npos);
}

TEST(MileageCliTest, UsageErrors) {
    EXPECT_EQ(run({"mileage"}).status, 2);
    EXPECT_EQ(run({"mileage", kSix, "--bogus"}).status, 2);
    EXPECT_EQ(run({"mileage", kSix, kSix}).status, 2);
    EXPECT_EQ(run({"mileage", kSix, "--car"}).status, 2);
    EXPECT_EQ(run({"mileage", kSix, "--from"}).status, 2);
    EXPECT_EQ(run({"mileage", kSix, "--from", "csv"}).status, 2);
    EXPECT_EQ(run({"mileage", kSix, "--from", "auto"}).status, 0);
}

TEST(MileageCliTest, JsonOfTextThatIsNotUtf8ShowsReplacementCharacters) {
    // A date from an old spreadsheet in a single-byte code page.
    const milora::test::TempFolder temp("latin1");
    const std::string path = temp.put("old.csv", "\"1 ao\xfbt 2006\",1000,10\r\n\"2\",1300,10\r\n");
    const CliRun r = run({"mileage", path, "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"date\": \"1 ao\xef\xbf\xbdt 2006\""), std::string::npos) << r.out;
}

TEST(MileageCliTest, ControlCharactersInDatesNeverReachTheTerminal) {
    // An escape sequence that would retitle the terminal, a bell, a CSI in its one-character C1
    // form (UTF-8), and a date with a non-ASCII letter that must stay as it is.
    const auto path = std::filesystem::temp_directory_path() /
                      ("milora-control-" + std::to_string(::getpid()) + ".csv");
    std::ofstream(path, std::ios::binary) << "\"\x1b]0;owned\x07\",1000,10\r\n\"\xc2\x9b"
                                             "2J\x7f\",1300,10\r\n"
                                          << "\"3 f\xc3\xa9vr\",1600,10\r\n";
    const CliRun r = run({"mileage", path.string(), "--summary", "--plot"});
    std::filesystem::remove(path);
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char c : r.out) {
        const auto u = static_cast<unsigned char>(c);
        EXPECT_TRUE(u == '\n' || (u >= 0x20 && u != 0x7F)) << static_cast<int>(u);
    }
    EXPECT_EQ(r.out.find("\xc2\x9b"), std::string::npos);
    EXPECT_NE(r.out.find("?]0;owned?"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("?2J?"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("lblDateMin: ?]0;owned?"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("3 f\xc3\xa9vr"), std::string::npos) << r.out;
}

// The message about a line that stops the reading quotes the line, and goes through the same
// filter as the list: a control sequence in the file never reaches the terminal that way either.
TEST(MileageCliTest, TheMessageAboutABadLineCarriesNoControlCharacters) {
    const milora::test::TempFolder temp("badline");
    const std::string path = temp.put("bad.miloragas", "9/16/2006,1000,10\r\n\"\xc2\x9b"
                                                       "2J\x1b[31m\",oops\r\n");
    const CliRun r = run({"mileage", path});
    EXPECT_EQ(r.status, cli::kExitFault);
    EXPECT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.find("\xc2\x9b"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\x1b'), std::string::npos) << r.err;
}

TEST(MileageCliTest, AFileThatCannotBeOpenedStillGivesJsonWithTheReason) {
    const auto dir = std::filesystem::temp_directory_path();
    const CliRun r = run({"mileage", dir.string(), "--json"});
    EXPECT_EQ(r.status, 4);
    EXPECT_NE(r.out.find("\"read_error\": {\n    \"line\": null,\n    \"entries\": 0,\n"
                         "    \"message\": \"The file \\\"" +
                         dir.string() +
                         "\\\" could not be opened: it is not a regular file.\"\n  }"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.err.find("could not be opened: it is not a regular file."), std::string::npos);
}

TEST(MileageCliTest, UnitsChangeTheListAndSummaryAndJsonNamesThem) {
    const CliRun km = run({"mileage", kSix, "--units", "l100km", "--summary"});
    EXPECT_EQ(km.status, 0) << km.err;
    // Entry 2 of 1000, 1300, ... miles on 10 gallons: 2092 km, 37.9 litres, 7.8 L/100 km.
    EXPECT_NE(km.out.find(" 9/23/2006       2092          37.9              7.8"),
              std::string::npos)
        << km.out;
    EXPECT_NE(km.out.find("Your overall average fuel economy is 7.8 litres per 100 km."),
              std::string::npos);

    const CliRun json = run({"mileage", kSix, "--json", "--units=kml"});
    EXPECT_EQ(json.status, 0);
    EXPECT_NE(json.out.find("\"economy\": \"km/L\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"name\": \"kml\""), std::string::npos);
    EXPECT_NE(json.out.find("\"odometer\": 1300"), std::string::npos); // entries stay in miles

    // Without --units: miles and US gallons, and no units in the JSON.
    const CliRun plain = run({"mileage", kSix, "--json"});
    EXPECT_EQ(plain.out.find("\"units\""), std::string::npos);
    EXPECT_EQ(run({"mileage", kSix, "--units", "us"}).out, run({"mileage", kSix}).out);

    const CliRun bad = run({"mileage", kSix, "--units", "mpg"});
    EXPECT_EQ(bad.status, cli::kExitUsage);
    EXPECT_NE(bad.err.find("--units"), std::string::npos) << bad.err;
}
