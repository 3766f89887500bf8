// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "cli/calc_cli.h"
#include "support/cli_run.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

using namespace milora;
using milora::test::CliRun;
using milora::test::run;

namespace {

const std::string kCar = std::string(MILORA_TEST_DATA) + "/general_single_percent.miloracar";
const std::string kLog = std::string(MILORA_TEST_DATA) + "/six_entries.miloragas";

} // namespace

TEST(CalcCliUsageTest, HelpGoesToStandardOutputAndNamesBothCommandForms) {
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, cli::kExitOk);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out, cli::usage());
    EXPECT_NE(help.out.find("milora-calc WINDOW [--car FILE]"), std::string::npos);
    EXPECT_NE(
        help.out.find(
            "milora-calc mileage FILE [--from FORMAT] [--car FILE] [--summary] [--plot] [--json]"),
        std::string::npos);
    // Without arguments the same text is a usage error.
    const CliRun none = run({});
    EXPECT_EQ(none.status, cli::kExitUsage);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, cli::usage());
}

TEST(CalcCliUsageTest, VersionGivesTheProgramVersionAndDate) {
    const CliRun v = run({"--version"});
    EXPECT_EQ(v.status, cli::kExitOk);
    EXPECT_EQ(v.out, "milora-calc 1.02 (9/16/06)\n");
}

// Every option the help text names is one the commands accept, and no accepted option is left
// out of it.
TEST(CalcCliUsageTest, EveryOptionInTheHelpIsAccepted) {
    std::set<std::string> named;
    const std::string text = cli::usage();
    const std::regex option("--[a-z-]+");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
         it != std::sregex_iterator(); ++it) {
        named.insert(it->str());
    }
    const std::set<std::string> accepted = {
        "--list",  "--car",     "--json",     "--no-calculate", "--from",     "--summary",
        "--plot",  "--help",    "--version",  "--units",        "--measured", "--log",
        "--dates", "--vehicle", "--distance", "--volume"};
    EXPECT_EQ(named, accepted);

    const std::string window = "B01_HowMuchDoYouSpendOnGas";
    const std::vector<std::vector<std::string>> runs = {
        {"--list"},
        {window, "--car", kCar, "--json", "--no-calculate", "txtGas_Cost=3.49"},
        {"mileage", kLog, "--car", kCar, "--summary", "--plot"},
        {"mileage", kLog, "--json"},
        {"mileage", kLog, "--from", "milora"},
        {"mileage", kLog, "--units", "uk", "--summary"},
        {"mileage", kLog, "--measured"},
        {"mileage", kLog, "--distance", "km", "--volume", "imp"},
        {window, "--log", kLog},
    };
    for (const auto& args : runs) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, cli::kExitOk) << args[0] << " " << args[1 % args.size()] << "\n"
                                          << r.err;
        EXPECT_FALSE(r.out.empty());
    }
}

// Options take their value after a blank or after "=", in both commands, and a wrong command line
// is refused the same way whatever is wrong with it: one line naming the fault on standard error,
// nothing on standard output, status 2.
TEST(CalcCliUsageTest, OptionsTakeTheirValueAfterABlankOrAnEqualsSign) {
    const std::string window = "B01_HowMuchDoYouSpendOnGas";
    const CliRun spaced = run({window, "--car", kCar, "txtGas_Cost=3.49"});
    const CliRun joined = run({window, "--car=" + kCar, "txtGas_Cost=3.49"});
    EXPECT_EQ(joined.status, cli::kExitOk) << joined.err;
    EXPECT_EQ(joined.out, spaced.out);
    const CliRun from = run({"mileage", kLog, "--from=milora", "--car=" + kCar, "--plot"});
    EXPECT_EQ(from.status, cli::kExitOk) << from.err;
    EXPECT_EQ(from.out, run({"mileage", kLog, "--from", "milora", "--car", kCar, "--plot"}).out);
}

TEST(CalcCliUsageTest, EveryUsageFaultIsOneLineAndStatusTwo) {
    const std::string window = "B01_HowMuchDoYouSpendOnGas";
    const std::vector<std::vector<std::string>> faults = {
        {"--bogus"},
        {window, "--car"},
        {window, "txtGas_Cost"},
        {"mileage"},
        {"mileage", kLog, "--from", "nosuchapp"},
        {"mileage", kLog, "--summary=maybe"},
        {window, "--car", kCar, "--car", kCar},
    };
    for (const auto& args : faults) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, cli::kExitUsage) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_EQ(r.err.rfind("milora-calc: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("\nmilora-calc --help lists the commands and options.\n"),
                  std::string::npos)
            << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
    }
}
