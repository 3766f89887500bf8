// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// From an export's rows to entries, in named steps: order and duplicates (rule 3), the units of a
// LubeLogger file (rule 6), partial merge and missed estimate (rules 4 and 5), and the marks on
// tanks that lost a skipped fill-up's fuel.

#include "mileage/import_rows.h"
#include "numbers/precision.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace milora::mileage::import {
namespace {

std::optional<float> to_single(double v) {
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(v);
}

double to_miles(double odometer, DistanceUnit unit) {
    return unit == DistanceUnit::Kilometres ? odometer / kKilometresPerMile : odometer;
}

double to_gallons(double volume, VolumeUnit unit) {
    switch (unit) {
    case VolumeUnit::Litres:
        return volume / kLitresPerGallon;
    case VolumeUnit::ImperialGallons:
        return volume * kGallonsPerImperialGallon;
    case VolumeUnit::UsGallons:
        break;
    }
    return volume;
}

std::string line_ref(std::int64_t line) {
    return "line " + std::to_string(line);
}

// Rule 6 over the rows in odometer order: the votes of the rows for each of LubeLogger's modes.
void tell_lubelogger_units(const std::vector<FillRow>& rows, const std::vector<std::size_t>& order,
                           ImportReport& report) {
    constexpr double kLitresPerImperialGallon = kLitresPerGallon * kGallonsPerImperialGallon;
    std::int64_t metric = 0;
    std::int64_t british = 0;
    std::int64_t us = 0;
    std::optional<double> last_full;
    double previous = -1;
    double volume = 0;
    for (const std::size_t i : order) {
        const FillRow& row = rows[i];
        if (!(row.odometer > previous)) {
            continue; // skipped by rule 3
        }
        previous = row.odometer;
        volume += row.volume;
        if (row.partial) {
            continue;
        }
        if (last_full && !row.missed && row.economy > 0) {
            const double q = (row.odometer - *last_full) / volume;
            const double e = row.economy;
            const double off_metric = std::fabs(e - 100 / q);
            const double off_british = std::fabs(e - q * kLitresPerImperialGallon);
            const double off_us = std::fabs(e - q);
            if (off_metric < off_british && off_metric < off_us) {
                ++metric;
            } else if (off_british < off_us) {
                ++british;
            } else {
                ++us;
            }
        }
        last_full = row.odometer;
        volume = 0;
    }
    if (metric + british + us == 0) {
        return; // nothing tells: the units stay assumed
    }
    report.distance_from = Source::File;
    report.volume_from = Source::File;
    if (metric > british && metric > us) {
        report.distance = DistanceUnit::Kilometres;
        report.volume = VolumeUnit::Litres;
    } else if (british > us) {
        report.volume = VolumeUnit::Litres;
    }
}

class Conversion {
public:
    Conversion(Parsed& p, MileageLog& log)
        : fuel_unit_(p.fuel_unit), report_(p.report), rows_(p.rows), log_(log),
          miles_(rows_.size(), kNoMiles), entry_of_(rows_.size(), 0) {}

    void run() {
        report_.rows += static_cast<std::int64_t>(rows_.size());
        order_rows();
        if (report_.format == ImportFormat::LubeLogger &&
            report_.distance_from == Source::Assumed && report_.volume_from == Source::Assumed) {
            tell_lubelogger_units(rows_, order_, report_);
        }
        to_miles_all();
        keep_rising();
        enter_fillups();
        mark_unreliable();
        estimate_lost_fuel();
        keep_first_skipped(report_);
    }

private:
    static constexpr float kNoMiles = -1;

    void drop(std::size_t i, std::string reason) {
        skip(report_, rows_[i].line, std::move(reason));
        lost_.push_back(i);
    }

    void order_rows();
    void to_miles_all();
    void keep_rising();
    void enter_fillups();
    bool enter(std::size_t i, const std::vector<std::size_t>& pending, double pending_volume);
    void mark_unreliable();
    void estimate_lost_fuel();
    void neighbours();

    std::string fuel_unit_;
    ImportReport& report_;
    std::vector<FillRow>& rows_;
    MileageLog& log_;
    // Per row: its odometer in miles (kNoMiles when it has none) and the entry that holds its
    // fuel (0 when it was skipped), for telling which tanks lost a fill-up.
    std::vector<float> miles_;
    std::vector<MileageLog::Index> entry_of_;
    std::vector<std::size_t> lost_;
    std::vector<std::size_t> order_;
    std::vector<std::size_t> accepted_;
    std::vector<bool> estimated_;
    // Per row, the entries that hold the fuel of the nearest rows before and after it in the file.
    std::vector<MileageLog::Index> before_;
    std::vector<MileageLog::Index> after_;
};

// Rows without an odometer or volume go; the rest in odometer order, equal readings keeping
// file order.
void Conversion::order_rows() {
    order_.reserve(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        FillRow& row = rows_[i];
        switch (row.problem) {
        case Problem::NoOdometer:
            drop(i, row.date.empty() ? "no odometer reading"
                                     : "no odometer reading (\"" + row.date + "\")");
            continue;
        case Problem::NoVolume:
            drop(i, row.date.empty() ? "no fuel volume" : "no fuel volume (\"" + row.date + "\")");
            continue;
        case Problem::BadDate:
            drop(i, "the date \"" + row.date + "\" is in no known form");
            break; // its odometer still places it
        case Problem::NoSuchDay:
            drop(i, "the date \"" + row.date + "\" is no day of the calendar");
            break;
        case Problem::OtherTank: // its fuel was never in the first tank: no tank lost it
            skip(report_, row.line,
                 "a fill-up of the car's second tank, which is never merged into the first");
            continue;
        case Problem::BrokenQuote:
            drop(i, "a quote in this row never closes (the rows after it are read on their own)");
            continue;
        case Problem::NotVolume:
            drop(i, "its fuel is measured in " + fuel_unit_ + ", not as a volume");
            continue;
        case Problem::None:
            order_.push_back(i);
            continue;
        }
    }
    // Exports come oldest or newest first; only a mixed order needs sorting.
    if (std::is_sorted(order_.rbegin(), order_.rend(), [&](std::size_t a, std::size_t b) {
            return rows_[a].odometer <= rows_[b].odometer;
        })) {
        std::reverse(order_.begin(), order_.end()); // strictly falling: no equal readings to keep
    } else {
        std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
            return rows_[a].odometer < rows_[b].odometer;
        });
    }
}

void Conversion::to_miles_all() {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].problem != Problem::NoOdometer) {
            miles_[i] = to_single(to_miles(rows_[i].odometer, report_.distance)).value_or(kNoMiles);
        }
    }
}

// A row whose reading is not above the previous accepted row's goes: of a duplicate pair the
// later line.
void Conversion::keep_rising() {
    accepted_.reserve(order_.size());
    for (const std::size_t i : order_) {
        if (!(miles_[i] > 0)) {
            drop(i, miles_[i] == kNoMiles ? "the odometer reading is too large"
                                          : "the odometer reading is not above zero");
            continue;
        }
        if (!accepted_.empty() && !(miles_[i] > miles_[accepted_.back()])) {
            const FillRow& before = rows_[accepted_.back()];
            if (rows_[i].odometer == before.odometer && rows_[i].volume == before.volume &&
                rows_[i].date == before.date) {
                // An exact double entry: nothing of it is missing from any tank.
                skip(report_, rows_[i].line, "an exact double of " + line_ref(before.line));
                continue;
            }
            drop(i, rows_[i].odometer == before.odometer
                        ? "the same odometer reading as " + line_ref(before.line)
                        : "the odometer reading is not above that of " + line_ref(before.line));
            continue;
        }
        accepted_.push_back(i);
    }
}

void Conversion::enter_fillups() {
    std::vector<std::size_t> pending; // partial fill-ups waiting for a full one
    double pending_volume = 0;
    log_.reserve(log_.fillup_count() + static_cast<MileageLog::Index>(accepted_.size()));
    for (const std::size_t i : accepted_) {
        if (rows_[i].partial) {
            pending.push_back(i);
            pending_volume += rows_[i].volume;
            continue;
        }
        enter(i, pending, pending_volume);
        pending.clear();
        pending_volume = 0;
    }
    for (const std::size_t k : pending) {
        drop(k, "a partial fill-up with no full fill-up after it");
    }
    estimated_.resize(static_cast<std::size_t>(log_.fillup_count()) + 1);
}

// Enters full fill-up i with the partial ones before it; false when it gives no meaningful MPG.
bool Conversion::enter(std::size_t i, const std::vector<std::size_t>& pending,
                       double pending_volume) {
    FillRow& row = rows_[i];
    const bool missed = row.missed && log_.fillup_count() >= 2;
    std::optional<float> gallons =
        to_single(to_gallons(row.volume + pending_volume, report_.volume));
    try {
        if (missed) {
            gallons = (miles_[i] - log_.last().Fillup_Odometer) / log_.overall_average();
        }
        if (!gallons) {
            throw numbers::FloatFault();
        }
        log_.append(std::move(row.date), miles_[i], *gallons);
    } catch (const numbers::FloatFault&) {
        drop(i, "its odometer reading and fuel give no meaningful MPG");
        for (const std::size_t k : pending) {
            drop(k, "a partial fill-up for the fill-up on " + line_ref(row.line) +
                        ", which was skipped");
        }
        return false;
    }
    const MileageLog::Index entry = log_.fillup_count();
    entry_of_[i] = entry;
    for (const std::size_t k : pending) {
        entry_of_[k] = entry;
    }
    report_.merged_partial += static_cast<std::int64_t>(pending.size());
    estimated_.resize(static_cast<std::size_t>(entry) + 1);
    if (missed) {
        ++report_.missed;
        estimated_[static_cast<std::size_t>(entry)] = true;
    }
    return true;
}

void Conversion::neighbours() {
    before_.assign(rows_.size(), 0);
    after_.assign(rows_.size(), 0);
    MileageLog::Index seen = 0;
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        before_[k] = seen;
        seen = entry_of_[k] > 0 ? entry_of_[k] : seen;
    }
    seen = 0;
    for (std::size_t k = rows_.size(); k-- > 0;) {
        after_[k] = seen;
        seen = entry_of_[k] > 0 ? entry_of_[k] : seen;
    }
}

// A skipped fill-up with an odometer reading took its fuel from the first entry above that
// reading; one without a reading from the later of the entries beside it in the file. An
// estimated entry (rule 5) does not use the fuel bought, so it loses nothing.
void Conversion::mark_unreliable() {
    std::vector<MileageLog::Index> unreliable;
    auto mark = [&](MileageLog::Index e) {
        if (e >= 2 && !estimated_[static_cast<std::size_t>(e)]) {
            unreliable.push_back(e);
        }
    };
    const auto& entries = log_.entries();
    for (const std::size_t i : lost_) {
        if (miles_[i] > 0) {
            const auto at =
                std::upper_bound(entries.begin(), entries.end(), miles_[i],
                                 [](float m, const Fillup& f) { return m < f.Fillup_Odometer; });
            if (at != entries.begin() && at != entries.end()) {
                mark(static_cast<MileageLog::Index>(at - entries.begin()) + 1);
            }
            continue;
        }
        if (before_.empty()) {
            neighbours();
        }
        if (before_[i] > 0 && after_[i] > 0) {
            mark(std::max(before_[i], after_[i]));
        }
    }
    std::sort(unreliable.begin(), unreliable.end());
    unreliable.erase(std::unique(unreliable.begin(), unreliable.end()), unreliable.end());
    report_.unreliable = std::move(unreliable);
}

// A tank that lost a skipped fill-up's fuel would carry its whole stretch on too little fuel and
// raise every average after it. With two entries or more before it, its gallons are estimated as
// "Add Purchase (With Missing Data)" estimates them: its miles over the overall average of the
// entries before it. The log is built once more, so a long log costs one pass however many tanks
// are estimated. A tank with fewer entries before it stays marked unreliable.
void Conversion::estimate_lost_fuel() {
    std::vector<MileageLog::Index>& unreliable = report_.unreliable;
    const auto first = std::find_if(unreliable.begin(), unreliable.end(),
                                    [](MileageLog::Index e) { return e >= 3; });
    if (first == unreliable.end()) {
        return;
    }
    MileageLog rebuilt;
    rebuilt.reserve(log_.fillup_count());
    std::vector<MileageLog::Index> kept;
    auto next = unreliable.begin();
    for (MileageLog::Index e = 1; e <= log_.fillup_count(); ++e) {
        const float gallons = log_.gallons(e);
        if (next == unreliable.end() || *next != e) {
            rebuilt.append(log_.date(e), log_.odometer(e), gallons);
            continue;
        }
        ++next;
        const float miles = log_.odometer(e) - log_.odometer(e - 1);
        if (e >= 3) {
            try {
                rebuilt.append(log_.date(e), log_.odometer(e), miles / rebuilt.overall_average());
                report_.skipped_estimated.push_back(e);
                report_.skipped_estimated_miles += miles;
                continue;
            } catch (const numbers::FloatFault&) {
                // No meaningful estimate: the tank keeps the fuel bought, marked unreliable.
            }
        }
        kept.push_back(e);
        rebuilt.append(log_.date(e), log_.odometer(e), gallons);
    }
    log_ = std::move(rebuilt);
    unreliable = std::move(kept);
}

} // namespace

void convert(Parsed& p, MileageLog& log) {
    Conversion(p, log).run();
    p.rows.clear();
    p.rows.shrink_to_fit();
}

} // namespace milora::mileage::import
