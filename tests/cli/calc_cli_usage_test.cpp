// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "cli/calc_cli.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

using namespace milora;

namespace {

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

CliRun run(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun r;
    r.status = cli::run(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

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
    const std::set<std::string> accepted = {"--list",    "--car",      "--json", "--no-calculate",
                                            "--from",    "--summary",  "--plot", "--help",
                                            "--version", "--measured", "--log"};
    EXPECT_EQ(named, accepted);

    const std::string window = "B01_HowMuchDoYouSpendOnGas";
    const std::vector<std::vector<std::string>> runs = {
        {"--list"},
        {window, "--car", kCar, "--json", "--no-calculate", "txtGas_Cost=3.49"},
        {"mileage", kLog, "--car", kCar, "--summary", "--plot"},
        {"mileage", kLog, "--json"},
        {"mileage", kLog, "--from", "milora"},
        {"mileage", kLog, "--measured"},
        {window, "--log", kLog},
    };
    for (const auto& args : runs) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, cli::kExitOk) << args[0] << " " << args[1 % args.size()] << "\n"
                                          << r.err;
        EXPECT_FALSE(r.out.empty());
    }
}
