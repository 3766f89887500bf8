// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "cli/calc_cli.h"

#include <cstdio>
#include <iostream>
#include <new>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return milora::cli::run(args, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        // No stream may allocate now; what was printed so far is flushed with the message.
        std::cout.flush();
        std::fputs(milora::cli::kOutOfMemoryMessage, stderr);
        return milora::cli::kExitFault;
    }
}
