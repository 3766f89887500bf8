// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// milora-calc WINDOW --log FILE: the measured values replace the car data's after --car, wherever
// the options stand, and go through the Data Settings boxes' check; a log that gives no figures
// stops the run before any calculation.

#include "base/constants.h"
#include "cli/calc_cli.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace milora;
using milora::test::CliRun;
using milora::test::run;

namespace {

const std::string kData = MILORA_TEST_DATA;
const std::string kWindow = "B01_HowMuchDoYouSpendOnGas";

} // namespace

TEST(MeasuredCliTest, LogReplacesTheCarDataAfterCarWhereverItStands) {
    // The car data file's yearly miles (1E+37) would be refused; the log's replace them.
    const CliRun r = run({kWindow, "--log", kData + "/measured_year.miloragas", "--car",
                          kData + "/huge_yearly_miles.miloracar", "--no-calculate"});
    EXPECT_EQ(r.status, cli::kExitOk) << r.err;
    EXPECT_EQ(r.err, "");
    const CliRun json = run({kWindow, "--car", kData + "/huge_yearly_miles.miloracar", "--log",
                             kData + "/measured_year.miloragas", "--json", "--no-calculate"});
    EXPECT_NE(json.out.find("\"txtCombined_MPG\": \"28.2\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"txtTotal_Mileage\": \"11105\""), std::string::npos);
}

TEST(MeasuredCliTest, LogThatCannotGiveTheFiguresOrThatABoxRefusesStopsTheRun) {
    const CliRun missing = run({kWindow, "--log", kData + "/no_such_log.miloragas"});
    EXPECT_EQ(missing.status, cli::kExitFault);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "Milora: The file \"" + kData +
                               "/no_such_log.miloragas\" could not be opened: it does not "
                               "exist.\n");

    // 1e38 miles in 30 days: more miles a year than the yearly miles box takes.
    test::TempFolder folder("measured-cli");
    const std::string e36 = "1" + std::string(36, '0');
    const std::string huge =
        folder.put("huge.miloragas", "\"1/1/2025\",1000,10\r\n\"1/15/2025\",5" +
                                         std::string(37, '0') + "," + e36 + "\r\n\"1/31/2025\",1" +
                                         std::string(38, '0') + "," + e36 + "\r\n");
    const CliRun refused = run({kWindow, "--log", huge});
    EXPECT_EQ(refused.status, cli::kExitRefused);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, std::string("Data Error: ") + kTooLargeMessage + "\n");

    const CliRun usage = run({kWindow, "--log"});
    EXPECT_EQ(usage.status, cli::kExitUsage);
}
