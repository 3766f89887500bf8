// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// milora-calc: runs any calculator, or reads a mileage file, without a window.
//
//   milora-calc --list
//   milora-calc WINDOW [--car FILE] [--log FILE] [--json] [--no-calculate] [NAME=VALUE]...
//   milora-calc mileage FILE [--car FILE] [--summary] [--plot] [--json] [--measured]
//
// Exit status: 0 done; 2 usage; 3 a box refused its text; 4 a calculation fault or an unreadable
// file. Message boxes go to standard error as "TITLE: TEXT".

#include "cli/options.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace milora::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRefused = 3;
inline constexpr int kExitFault = 4;

inline constexpr const char* kOutOfMemoryMessage =
    "milora-calc: there is not enough memory for this task; it was stopped.\n";

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The calculator command, once its command line has been read.
int run_window(const WindowOptions& options, std::ostream& out, std::ostream& err);

} // namespace milora::cli
