// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// The number text form of any finite single or double: it reads back to the value rounded to its
// shown digits, and writing the value read back gives the same text again.

#include "numbers/number_reading.h"
#include "numbers/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

template <typename T, typename Read> void check(T v, Read read) {
    if (!std::isfinite(v)) {
        return;
    }
    const std::string text = milora::numbers::number_text(v);
    if (text.find("inf") != std::string::npos || text.find("nan") != std::string::npos) {
        std::abort();
    }
    const auto back = read(text);
    if (!back) {
        std::abort();
    }
    if (milora::numbers::number_text(static_cast<T>(*back)) != text) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= sizeof(double)) {
        double d = 0;
        std::memcpy(&d, data, sizeof d);
        check(d, [](const std::string& t) { return milora::numbers::parse_number(t); });
    }
    if (size >= sizeof(float)) {
        float f = 0;
        std::memcpy(&f, data, sizeof f);
        check(f, [](const std::string& t) { return milora::numbers::parse_single(t); });
    }
    return 0;
}
