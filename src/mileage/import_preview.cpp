// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/import_preview.h"

#include "mileage/entry_list.h"

#include <cstdio>

namespace milora::mileage {
namespace {

std::string count(std::int64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string units_line(const ImportReport& r) {
    std::string converted;
    if (r.distance == DistanceUnit::Kilometres) {
        converted = "kilometres to miles";
    }
    if (r.volume != VolumeUnit::UsGallons) {
        if (!converted.empty()) {
            converted += ", ";
        }
        converted += r.volume == VolumeUnit::Litres ? "litres to US gallons"
                                                    : "imperial gallons to US gallons";
    }
    std::string line = converted.empty() ? "Units: miles and US gallons, as the tracker keeps them."
                                         : "Units converted: " + converted + ".";
    if (r.distance_from == Source::Chosen || r.volume_from == Source::Chosen) {
        line += " The file's units are as chosen.";
    }
    return line;
}

std::string dates_line(const ImportReport& r) {
    const char* order = r.dates == DateOrder::DayMonthYear   ? "day/month/year"
                        : r.dates == DateOrder::MonthDayYear ? "month/day/year"
                                                             : "year-month-day";
    const char* from = r.dates_from == Source::File ? "as the file writes them"
                       : r.dates_from == Source::Chosen
                           ? "as chosen"
                           : "assumed from your locale, since the file does not tell";
    return std::string("Dates read as ") + order + ", " + from + ".";
}

// The figures the log will give: distance, fuel and the average MPG over them.
std::string figures_line(const MileageLog& log) {
    if (log.fillup_count() < 2) {
        return {};
    }
    const double miles = log.last().Fillup_Odometer - log.entry(1).Fillup_Odometer;
    double gallons = 0;
    for (MileageLog::Index i = 2; i <= log.fillup_count(); ++i) {
        gallons += log.entry(i).Fillup_Gallons;
    }
    char text[160];
    std::snprintf(text, sizeof text, "Average %.1f MPG over %.0f miles and %.1f gallons.\n",
                  static_cast<double>(log.overall_average()), miles, gallons);
    return text;
}

// "entry 4, entry 7 and 2 more entries"
std::string entry_list(const std::vector<MileageLog::Index>& entries) {
    std::string t;
    for (std::size_t i = 0; i < entries.size() && i < kPreviewSkippedShown; ++i) {
        t += (i == 0 ? "" : ", ") + std::string("entry ") + std::to_string(entries[i]);
    }
    if (entries.size() > kPreviewSkippedShown) {
        t += " and " + count(static_cast<std::int64_t>(entries.size() - kPreviewSkippedShown),
                             "more entry", "more entries");
    }
    return t;
}

double miles_per(DistanceUnit unit) {
    return unit == DistanceUnit::Kilometres ? 1 / kKilometresPerMile : 1;
}

double gallons_per(VolumeUnit unit) {
    switch (unit) {
    case VolumeUnit::Litres:
        return 1 / kLitresPerGallon;
    case VolumeUnit::ImperialGallons:
        return kGallonsPerImperialGallon;
    case VolumeUnit::UsGallons:
        break;
    }
    return 1;
}

// An average below this or above the next is no car's: that reading is not offered.
constexpr double kLeastPlausibleMpg = 4;
constexpr double kMostPlausibleMpg = 200;

// The first entries as the tracker's list will show them.
std::string first_rows(const MileageLog& log) {
    if (log.empty()) {
        return {};
    }
    std::string t = log.fillup_count() > kPreviewRowsShown
                        ? "The first " + std::to_string(kPreviewRowsShown) +
                              " fill-ups as the log will show them:\n"
                        : std::string("The fill-ups as the log will show them:\n");
    for (MileageLog::Index i = 1; i <= log.fillup_count() && i <= kPreviewRowsShown; ++i) {
        t += entry_line(log, i) + "\n";
    }
    return t;
}

} // namespace

const char* unit_words(DistanceUnit unit) {
    return unit == DistanceUnit::Kilometres ? "kilometres" : "miles";
}

const char* unit_words(VolumeUnit unit) {
    switch (unit) {
    case VolumeUnit::Litres:
        return "litres";
    case VolumeUnit::ImperialGallons:
        return "imperial gallons";
    case VolumeUnit::UsGallons:
        break;
    }
    return "US gallons";
}

std::vector<UnitReading> unit_readings(const ImportReport& r, const MileageLog& log) {
    const bool distance_open = r.distance_from == Source::Assumed;
    const bool volume_open = r.volume_from == Source::Assumed;
    if ((!distance_open && !volume_open) || log.fillup_count() < 2) {
        return {};
    }
    // Every figure of the log scales with the units, the estimates included: the average under
    // another reading is the one read, rescaled.
    const double mpg = log.overall_average();
    std::vector<UnitReading> out{{r.distance, r.volume, mpg}};
    for (const DistanceUnit d : {DistanceUnit::Miles, DistanceUnit::Kilometres}) {
        for (const VolumeUnit v :
             {VolumeUnit::UsGallons, VolumeUnit::Litres, VolumeUnit::ImperialGallons}) {
            const bool same = d == r.distance && v == r.volume;
            const bool open = (distance_open || d == r.distance) && (volume_open || v == r.volume);
            // Kilometres come with litres wherever a file leaves both open.
            const bool paired = !(distance_open && volume_open && d == DistanceUnit::Kilometres &&
                                  v != VolumeUnit::Litres);
            const double m =
                mpg * miles_per(d) / miles_per(r.distance) * gallons_per(r.volume) / gallons_per(v);
            if (!same && open && paired && m >= kLeastPlausibleMpg && m <= kMostPlausibleMpg) {
                out.push_back({d, v, m});
            }
        }
    }
    return out;
}

std::string assumed_units_text(const ImportReport& r, const MileageLog& log) {
    const bool distance_open = r.distance_from == Source::Assumed;
    const bool volume_open = r.volume_from == Source::Assumed;
    if (!distance_open && !volume_open) {
        return {};
    }
    std::string t = distance_open && volume_open ? "Units assumed, since no heading names them: "
                    : distance_open ? "Distance unit assumed, since no heading names it: "
                                    : "Fuel unit assumed, since no heading names it: ";
    t += distance_open && volume_open
             ? std::string(unit_words(r.distance)) + " and " + unit_words(r.volume) + "."
         : distance_open ? std::string(unit_words(r.distance)) + "."
                         : std::string(unit_words(r.volume)) + ".";
    const std::vector<UnitReading> readings = unit_readings(r, log);
    if (readings.size() > 1) {
        t += " Average MPG under each reading:";
        for (std::size_t i = 0; i < readings.size(); ++i) {
            char mpg[32];
            std::snprintf(mpg, sizeof mpg, " %.1f", readings[i].mpg);
            t += std::string(i == 0 ? " " : "; ") + unit_words(readings[i].distance) + " and " +
                 unit_words(readings[i].volume) + mpg;
        }
        t += ".";
    }
    return t + "\n";
}

std::string skipped_fuel_text(const ImportReport& r) {
    if (r.skipped_estimated.empty()) {
        return {};
    }
    char miles[64];
    std::snprintf(miles, sizeof miles, "%.0f", r.skipped_estimated_miles);
    const std::int64_t n = static_cast<std::int64_t>(r.skipped_estimated.size());
    return "Fuel of skipped fill-ups estimated: " + count(n, "tank", "tanks") + " (" +
           entry_list(r.skipped_estimated) + "; " + miles +
           " miles), each at the overall average before it, as Add Purchase (With Missing Data) "
           "does, so " +
           "the skipped " + (n == 1 ? "row does" : "rows do") + " not raise the MPG.\n";
}

bool needs_preview(const ImportReport& report) {
    return report.format != ImportFormat::Milora;
}

ImportPreview import_preview(const std::string& path, const ImportReport& r,
                             const MileageLog& log) {
    std::string t = "The file \"" + path + "\" is ";
    t += r.format == ImportFormat::Generic ? std::string("a CSV file with named columns")
                                           : std::string("a ") + app_name(r.format) + " export";
    t += ".\n";
    if (!r.date_column.empty() || !r.odometer_column.empty() || !r.fuel_column.empty()) {
        t += "Columns read: date \"" + r.date_column + "\", odometer \"" + r.odometer_column +
             "\", fuel \"" + r.fuel_column + "\".\n";
    }
    t += count(log.fillup_count(), "fill-up", "fill-ups");
    if (!log.empty()) {
        t += log.fillup_count() == 1
                 ? ", on " + log.entry(1).Fillup_Date
                 : ", from " + log.entry(1).Fillup_Date + " to " + log.last().Fillup_Date;
    }
    t += ".\n";
    if (!r.vehicle.empty()) {
        t += "Vehicle: " + r.vehicle + " (one of " + std::to_string(r.vehicles.size()) +
             " in the file).\n";
    }
    t += figures_line(log);
    t += skipped_fuel_text(r);
    t += units_line(r) + "\n" + assumed_units_text(r, log) + dates_line(r) + "\n";
    t += "Partial fill-ups merged into the next full one: " + std::to_string(r.merged_partial) +
         ".\n";
    t += "Missed fill-ups estimated at the overall average: " + std::to_string(r.missed) + ".\n";
    const std::int64_t skipped = r.skipped_rows;
    t += "Rows skipped: " + std::to_string(skipped) + (skipped > 0 ? ":" : ".") + "\n";
    for (std::size_t i = 0; i < r.skipped.size() && i < kPreviewSkippedShown; ++i) {
        t += "    line " + std::to_string(r.skipped[i].line) + ": " + r.skipped[i].reason + "\n";
    }
    if (skipped > static_cast<std::int64_t>(kPreviewSkippedShown)) {
        t += "    and " +
             count(skipped - static_cast<std::int64_t>(kPreviewSkippedShown), "more row",
                   "more rows") +
             ".\n";
    }
    if (!r.unreliable.empty()) {
        t += "Tank MPG unreliable (a skipped row lies before the entry, too early in the log to "
             "estimate its fuel):";
        for (std::size_t i = 0; i < r.unreliable.size() && i < kPreviewSkippedShown; ++i) {
            const MileageLog::Index e = r.unreliable[i];
            t += (i == 0 ? " " : ", ") + std::string("entry ") + std::to_string(e) + " (" +
                 log.entry(e).Fillup_Date + ")";
        }
        if (r.unreliable.size() > kPreviewSkippedShown) {
            t += " and " +
                 count(static_cast<std::int64_t>(r.unreliable.size() - kPreviewSkippedShown),
                       "more entry", "more entries");
        }
        t += ".\n";
    }
    t += first_rows(log);
    t += "OK replaces the current log with these fill-ups; Cancel keeps it.";
    ImportPreview p;
    p.text = std::move(t);
    return p;
}

ImportPreview import_preview(const std::string& path, const LogRead& read, const MileageLog& log,
                             const ImportChoices& asked) {
    const ImportReport& r = read.report;
    ImportPreview p;
    if (read.understood && read.failure.empty()) {
        p = import_preview(path, r, log);
    } else {
        p.text = read.understood ? import_failed_message(path, read).text
                                 : not_understood_message(path).text;
        p.can_accept = false;
    }
    p.can_accept = p.can_accept && read.understood && !log.empty();
    p.choices = asked;
    p.units_open = r.distance_from != Source::File || r.volume_from != Source::File;
    if (p.units_open) {
        p.choices.distance = r.distance;
        p.choices.volume = r.volume;
    }
    p.dates_open = r.dates_from != Source::File;
    if (p.dates_open) {
        p.choices.dates = r.dates;
    }
    if (r.vehicles.size() > 1) {
        for (const VehicleRows& v : r.vehicles) {
            p.vehicles.push_back(v.name);
        }
        if (!r.vehicle.empty()) {
            p.choices.vehicle = r.vehicle;
        }
    }
    return p;
}

} // namespace milora::mileage
