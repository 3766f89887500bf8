// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// milora-calc's command line: the options of both commands, read with CLI11, and the usage text
// made from those same options.

#include "mileage/fuel_import.h"
#include "mileage/units.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace milora::cli {

// milora-calc WINDOW [--car FILE] [--log FILE] [--json] [--no-calculate] [NAME=VALUE]...
struct WindowOptions {
    std::string window;
    std::string car_file;
    std::string log_file; // the measured MPG and yearly miles replace the car data's
    bool json = false;
    bool calculate = true;
    std::vector<std::pair<std::string, std::string>> assignments; // in the order given
};

// milora-calc mileage FILE [--from FORMAT] [--dates ORDER] [--vehicle NAME] [--units UNITS]
//                         [--car FILE] [--summary] [--plot] [--json] [--measured]
struct MileageOptions {
    std::string file;
    std::string car_file;
    mileage::ImportChoices choices;      // the layout, date order and vehicle; unset: from the file
    std::optional<mileage::Units> units; // nullopt: miles and US gallons, not named
    bool summary = false;
    bool plot = false;
    bool json = false;
    bool measured = false; // add the measured MPG and yearly miles
};

struct CommandLine {
    enum class Command { Help, Version, List, Window, Mileage };
    Command command = Command::Help;
    WindowOptions window;
    MileageOptions mileage;
};

// The command line read, or nullopt after a usage error has been written to `err` (the error,
// then the usage text).
std::optional<CommandLine> read_command_line(const std::vector<std::string>& args,
                                             std::ostream& err);

// The help text: the command forms, every option with its description, examples, exit status.
std::string usage();

} // namespace milora::cli
