// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// milora-calc run in the test's own process: its exit status and what it printed.

#include "cli/calc_cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace milora::test {

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

inline CliRun run(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun r;
    r.status = cli::run(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

} // namespace milora::test
