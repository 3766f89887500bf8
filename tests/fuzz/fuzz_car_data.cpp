// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Both readings of a car data file: no crash; the strict reading changes everything or nothing;
// no field ever holds an infinite or NaN value.

#include "cardata/car_data_file.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool finite(const milora::CarData& c) {
    return std::isfinite(c.Global_Gas_Cost) && std::isfinite(c.Global_EPA_City_MPG) &&
           std::isfinite(c.Global_EPA_Highway_MPG) &&
           std::isfinite(c.Global_City_Percent.value()) &&
           std::isfinite(c.Global_Highway_Percent.value()) &&
           std::isfinite(c.Global_Combined_MPG) && std::isfinite(c.Global_Yearly_Miles_Traveled) &&
           std::isfinite(c.Global_Mileage_Cost) && std::isfinite(c.Global_Time_Cost);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string contents(reinterpret_cast<const char*>(data), size);
    milora::CarData tolerant;
    milora::cardata::apply_tolerant(contents, tolerant);
    if (!finite(tolerant)) {
        std::abort();
    }
    milora::CarData strict;
    const auto r = milora::cardata::apply_strict(contents, "fuzz.miloracar", strict);
    if (!finite(strict)) {
        std::abort();
    }
    if (!r && milora::cardata::car_data_text(strict) != milora::cardata::car_data_text({})) {
        std::abort(); // a refused file changed something
    }
    if (r && milora::cardata::car_data_text(strict) != milora::cardata::car_data_text(tolerant)) {
        std::abort(); // a whole file reads the same both ways
    }
    return 0;
}
