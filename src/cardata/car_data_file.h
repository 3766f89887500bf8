// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Car data files (*.miloracar): ten lines, each a number in the number text form, ended by CR LF.
// Line 1 is the version (never checked), lines 2 to 10 the nine CarData fields in order.

#include "app/car_data.h"

#include <string>
#include <vector>

namespace milora::cardata {

inline constexpr const char* kDefaultFileName = "default.miloracar";

// Splits file contents into lines: CR LF, a lone CR and a lone LF each end a line.
std::vector<std::string> split_lines(const std::string& contents);

// The start-up reading: false when the file cannot be opened (nothing read). Otherwise each line
// stands alone: a missing line or one that is not a number leaves its field unchanged.
bool read_tolerant(const std::string& path, CarData& car);

} // namespace milora::cardata
