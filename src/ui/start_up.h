// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What the program's start-up needs besides its windows: the version it tells, and the splash.

#include <QString>
#include <string>

namespace milora::ui {

// The version alone, as the build names it ("1.02").
QString program_version();

// The answer to --version: "Milora 1.02 (9/16/06)".
std::string version_line();

// Shows the splash window for the splash time, processing window events all the while.
void show_splash();

} // namespace milora::ui
