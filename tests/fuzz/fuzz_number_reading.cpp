// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// The readings of a number from text: no crash, and never an infinite or NaN value.

#include "numbers/number_reading.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto v = milora::numbers::parse_number(text); v && !std::isfinite(*v)) {
        std::abort();
    }
    if (const auto v = milora::numbers::parse_single(text); v && !std::isfinite(*v)) {
        std::abort();
    }
    if (!std::isfinite(milora::numbers::leading_number(text))) {
        std::abort();
    }
    if (const auto v = milora::numbers::read_back(text); v && !std::isfinite(*v)) {
        std::abort();
    }
    return 0;
}
