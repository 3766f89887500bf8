// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Display patterns over arbitrary values: every pattern in use and arbitrary ones. No crash, no
// "inf" or "nan", and a length bounded by the digits a value can have plus the pattern.

#include "numbers/format_pattern.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr std::array<const char*, 40> kPatterns = {"$#0",        "$#0.00",
                                                   "#0",         "#0.0",
                                                   "$#0.00 ",    "$#0.00.",
                                                   "#/8ths",     "## mph",
                                                   "# miles",    "$#0.000",
                                                   "$#0.00#",    "$#.00",
                                                   "#0.00",      "#0 mph",
                                                   "#0 lbs",     "00.0",
                                                   "00.0 ",      "0",
                                                   "0.0",        "$0.00#",
                                                   "$#0.00. ",   "$#0.00,",
                                                   "$#0.00 to ", "$#0.00 per hour",
                                                   "$#0.#0",     "#0m",
                                                   "#0h ",       "#00",
                                                   "#00 ",       "#0.",
                                                   "#0 fillups", "#0 fillups vs. ",
                                                   "#0 MPH",     "#.00 gallons ",
                                                   "##",         "## mph:",
                                                   "## MPH :",   "# miles ",
                                                   "#0 pounds ", "#0.0 psi"};

// A pattern's own letters are copied, so "inf" and "nan" are looked for only with the patterns
// in use.
template <typename T> void check(T v, const std::string& pattern, bool in_use) {
    if (!std::isfinite(v)) {
        return;
    }
    const std::string out = milora::numbers::format(v, pattern);
    if (in_use && (out.find("inf") != std::string::npos || out.find("nan") != std::string::npos)) {
        std::abort();
    }
    if (out.size() > 330 + 2 * pattern.size()) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double) + 1) {
        return 0;
    }
    double d = 0;
    std::memcpy(&d, data, sizeof d);
    float f = 0;
    std::memcpy(&f, data, sizeof f);
    const bool in_use = data[sizeof d] < 128;
    const std::string pattern =
        in_use
            ? std::string(kPatterns[data[sizeof d] % kPatterns.size()])
            : std::string(reinterpret_cast<const char*>(data) + sizeof d + 1, size - sizeof d - 1);
    check(d, pattern, in_use);
    check(f, pattern, in_use);
    check(static_cast<long double>(d), pattern, in_use);
    return 0;
}
