// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Reading a mileage or comma-separated file: any bytes, and no crash; every value read or derived
// is finite; the list, the summary and the plot range never show "inf" or "nan"; a file read
// whole is written back and reads again as the same file; a stop names a line of the file.

#include "mileage/entry_list.h"
#include "mileage/mileage_file.h"
#include "mileage/plot.h"
#include "mileage/summary.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using milora::mileage::Fillup;
using milora::mileage::MileageLog;

namespace {

void check(bool ok, int line = __builtin_LINE()) {
    if (!ok) {
        std::fprintf(stderr, "fuzz_mileage_file.cpp:%d: check failed\n", line);
        std::abort();
    }
}

bool finite(const Fillup& f) {
    return std::isfinite(f.Fillup_Odometer) && std::isfinite(f.Fillup_Gallons) &&
           std::isfinite(f.Tank_MPG) && std::isfinite(f.Overall_MPG) &&
           std::isfinite(f.Five_Tank_MPG);
}

bool shows_no_number_fault(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
}

std::int64_t line_count(const std::string& s) {
    std::int64_t lines = 1;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n' || (s[i] == '\r' && (i + 1 == s.size() || s[i + 1] != '\n'))) {
            ++lines;
        }
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string contents(reinterpret_cast<const char*>(data), size);
    MileageLog log;
    const auto r = milora::mileage::read_mileage_text(contents, log);
    check(r.entries == log.fillup_count());
    check(!r.stop ||
          (r.stop->line >= 1 && r.stop->line <= line_count(contents) && !r.stop->reason.empty()));

    // The same numbers under a plain date, so that a date such as "Nanaimo" is not taken for a
    // number shown wrongly.
    MileageLog plain;
    for (const Fillup& f : log.entries()) {
        check(finite(f));
        plain.append("d", f.Fillup_Odometer, f.Fillup_Gallons);
    }
    check(shows_no_number_fault(milora::mileage::list_text(plain)));
    if (const auto summary = milora::mileage::summary_text(plain)) {
        check(shows_no_number_fault(*summary));
    }
    if (plain.fillup_count() >= 2) {
        const auto range = milora::mileage::plot_range(plain);
        check(std::isfinite(range.lo) && std::isfinite(range.hi) && range.lo < range.hi);
        const auto labels = milora::mileage::plot_labels(plain, range);
        check(shows_no_number_fault(labels.lblMin + labels.lblMid + labels.lblMax));
    }

    if (!r.stop) {
        // Numbers are written with the 7 significant digits of the number text form, so a value
        // read with more digits may come back one step off; the file itself comes back the same.
        const std::string text = milora::mileage::mileage_file_text(log);
        MileageLog back;
        const auto again = milora::mileage::read_mileage_text(text, back);
        check(!again.stop && back.fillup_count() == log.fillup_count());
        check(milora::mileage::mileage_file_text(back) == text);
    }
    return 0;
}
