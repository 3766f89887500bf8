// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Reading a fuel-log export in any layout, detected or asked for: any bytes, and no crash; every
// value read or derived is finite; an export's entries rise in odometer and carry M/D/YYYY dates;
// every row is an entry, merged into one, or skipped with a reason at a line of the file; the
// entries marked unreliable are entries after the first; the preview text can be made.

#include "mileage/fuel_import.h"
#include "mileage/import_preview.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

using milora::mileage::Fillup;
using milora::mileage::ImportFormat;
using milora::mileage::MileageLog;

namespace {

void check(bool ok, int line = __builtin_LINE()) {
    if (!ok) {
        std::fprintf(stderr, "fuzz_fuel_import.cpp:%d: check failed\n", line);
        std::abort();
    }
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

bool us_date(const std::string& d) {
    int slashes = 0;
    for (const char c : d) {
        if (c == '/') {
            ++slashes;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return slashes == 2 && d.size() >= 8 && d.size() <= 10 && d[0] != '0';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte picks the layout asked for: 0 to 6 one of them, anything else detection.
    std::optional<ImportFormat> from;
    if (size > 0 && data[0] < 7) {
        from = static_cast<ImportFormat>(data[0]);
        ++data;
        --size;
    }
    const std::string contents(reinterpret_cast<const char*>(data), size);
    MileageLog log;
    const auto r = milora::mileage::read_log_text(contents, log, from);
    if (!r.understood) {
        check(log.empty());
        return 0;
    }
    const auto& rep = r.report;
    for (const Fillup& f : log.entries()) {
        check(std::isfinite(f.Fillup_Odometer) && std::isfinite(f.Fillup_Gallons) &&
              std::isfinite(f.Tank_MPG) && std::isfinite(f.Overall_MPG) &&
              std::isfinite(f.Five_Tank_MPG));
    }
    if (rep.format == ImportFormat::Milora) {
        check(r.milora.entries == log.fillup_count());
        return 0;
    }
    check(rep.rows == log.fillup_count() + rep.merged_partial + rep.skipped_rows);
    check(rep.skipped.size() <= milora::mileage::ImportReport::kSkippedKept &&
          static_cast<std::int64_t>(rep.skipped.size()) <= rep.skipped_rows);
    check(rep.missed >= 0 && rep.missed <= log.fillup_count());
    for (MileageLog::Index i = 1; i <= log.fillup_count(); ++i) {
        const Fillup& f = log.entry(i);
        check(f.Fillup_Odometer > 0 && f.Fillup_Gallons > 0);
        check(i == 1 || f.Fillup_Odometer > log.entry(i - 1).Fillup_Odometer);
        check(us_date(f.Fillup_Date));
    }
    const std::int64_t lines = line_count(contents);
    std::int64_t previous = 0;
    for (const auto& s : rep.skipped) {
        check(s.line >= 1 && s.line <= lines && s.line >= previous && !s.reason.empty());
        previous = s.line;
    }
    MileageLog::Index last = 1;
    for (const MileageLog::Index e : rep.unreliable) {
        check(e > last && e <= log.fillup_count());
        last = e;
    }
    check(!milora::mileage::import_preview("f", rep, log).text.empty());
    return 0;
}
