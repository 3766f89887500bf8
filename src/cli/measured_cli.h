// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The measured MPG and yearly miles on the command line:
//
//   milora-calc mileage FILE --measured    adds the figures to the output (text lines
//                                          measured_mpg, measured_miles_per_year, from, to,
//                                          fill_ups; in JSON a "measured" object with the numbers
//                                          unrounded, or null, and a "reason")
//   milora-calc WINDOW --log FILE          runs the calculator with the car data's combined MPG
//                                          and yearly miles replaced by the measured ones, after
//                                          --car FILE; exit 4 with the reason when the log cannot
//                                          give them, exit 3 when a Data Settings box would refuse
//                                          one ("Data Error: ..." on standard error)

#include "base/car_data.h"
#include "mileage/fuel_import.h"
#include "mileage/measured.h"

#include <functional>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace milora::cli {

// mileage --measured: the measure of the log as read; when it gives no figures and the reading
// itself went well, `show` tells why.
mileage::Measurement measure_option(const mileage::LogRead& read, const mileage::MileageLog& log,
                                    const std::string& file, bool read_whole,
                                    const std::function<void(const Message&)>& show);

void print_measured(const mileage::Measurement& m, std::ostream& out);
// Sets "measured" and "reason" in the report.
void add_measured_json(const mileage::Measurement& m, nlohmann::ordered_json& report);

// Puts the measured values into `car` as the Data Settings boxes would take them typed; the
// exit status when it cannot, after saying why on `err`.
std::optional<int> use_measured_log(const std::string& path, CarData& car, std::ostream& err);

} // namespace milora::cli
