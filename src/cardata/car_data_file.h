// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Car data files (*.miloracar): ten lines, each a number in the number text form, ended by CR LF.
// Line 1 is the version (never checked), lines 2 to 10 the nine CarData fields in order.
//
// Two readings: the tolerant one of start-up, which takes each line that reads and skips the
// rest, and the strict one of File Open and Load Data, which takes all nine values or none.
// Writing is atomic: a failed write leaves the old file whole.

#include "base/atomic_file.h"
#include "base/car_data.h"
#include "base/result.h"

#include <functional>
#include <string>
#include <vector>

namespace milora::cardata {

inline constexpr const char* kExtension = "miloracar";
inline constexpr const char* kDialogFilter = "Car Data Files (*.miloracar)";

// The ten lines of a file for `car`, CR LF after each.
std::string car_data_text(const CarData& car);

// Creates or replaces the file. On failure the reason says why, for the user.
Status write_car_data(const std::string& path, const CarData& car,
                      const std::function<void()>& before_rename = {});

// The two readings of a file's contents already in memory; `path` only names the file in a message.
void apply_tolerant(const std::string& contents, CarData& car);
Status apply_strict(const std::string& contents, const std::string& path, CarData& car);

// The start-up reading: fails when the file cannot be opened (nothing read). Otherwise each line
// stands alone: a missing line or one that is not a number leaves its field unchanged.
Status read_tolerant(const std::string& path, CarData& car);

// All or nothing: `car` changes only when every one of lines 2 to 10 holds a number. On failure
// the reason is the whole message for the user: it names the file and the line.
Status read_strict(const std::string& path, CarData& car);

// What the user is told when a save fails.
std::string save_failed_message(const std::string& path, const std::string& why);

} // namespace milora::cardata
