// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/fuel_import.h"

#include "mileage/import_dates.h"
#include "mileage/import_layouts.h"
#include "mileage/import_records.h"

#include <algorithm>

namespace milora::mileage {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view without_bom(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    return text;
}

// "Fuelly, Fuelio and Drivvo": the apps of the table whose exports are read.
std::string export_apps() {
    std::vector<const char*> apps;
    for (const import::Layout& l : import::layouts()) {
        if (l.format != ImportFormat::Milora && l.format != ImportFormat::Generic) {
            apps.push_back(l.app);
        }
    }
    std::string out;
    for (std::size_t i = 0; i < apps.size(); ++i) {
        out += i == 0 ? "" : i + 1 == apps.size() ? " and " : ", ";
        out += apps[i];
    }
    return out;
}

// Why an export gave no fill-up.
std::string nothing_read(const ImportReport& r) {
    if (r.rows == 0) {
        return "it holds no fill-up rows";
    }
    std::string why = "none of its " + std::to_string(r.rows) + (r.rows == 1 ? " row" : " rows") +
                      " is a fill-up that can be read";
    // The first fill-up row's reason says more than a row of another section.
    const auto first = std::find_if(r.skipped.begin(), r.skipped.end(), [](const SkippedRow& s) {
        return !s.reason.starts_with("a row ");
    });
    const SkippedRow* shown = first != r.skipped.end() ? &*first
                              : r.skipped.empty()      ? nullptr
                                                       : &r.skipped.front();
    if (shown != nullptr) {
        why += " (line " + std::to_string(shown->line) + ": " + shown->reason + ")";
    }
    return why;
}

} // namespace

const char* format_name(ImportFormat format) {
    return import::layout(format).name;
}

const char* app_name(ImportFormat format) {
    return import::layout(format).app;
}

std::optional<ImportFormat> format_named(std::string_view name) {
    for (const import::Layout& l : import::layouts()) {
        if (name == l.name) {
            return l.format;
        }
    }
    return std::nullopt;
}

std::string format_names() {
    std::string out;
    for (const import::Layout& l : import::layouts()) {
        out += out.empty() ? "" : ", ";
        out += l.name;
    }
    return out;
}

const char* unit_name(DistanceUnit unit) {
    return unit == DistanceUnit::Kilometres ? "km" : "mi";
}

const char* unit_name(VolumeUnit unit) {
    switch (unit) {
    case VolumeUnit::Litres:
        return "l";
    case VolumeUnit::ImperialGallons:
        return "imp_gal";
    case VolumeUnit::UsGallons:
        break;
    }
    return "gal";
}

std::optional<DistanceUnit> distance_named(std::string_view name) {
    if (name == "mi") {
        return DistanceUnit::Miles;
    }
    if (name == "km") {
        return DistanceUnit::Kilometres;
    }
    return std::nullopt;
}

std::optional<VolumeUnit> volume_named(std::string_view name) {
    if (name == "gal") {
        return VolumeUnit::UsGallons;
    }
    if (name == "l") {
        return VolumeUnit::Litres;
    }
    if (name == "imp" || name == "imp_gal") {
        return VolumeUnit::ImperialGallons;
    }
    return std::nullopt;
}

std::optional<ImportFormat> detect_format(std::string_view contents) {
    if (auto decoded = import::utf8_from_utf16(contents)) {
        return detect_format(*decoded);
    }
    const std::string_view text = without_bom(contents);
    for (const import::Layout& l : import::layouts()) {
        if (l.detect(text)) {
            return l.format;
        }
    }
    return std::nullopt;
}

const char* order_name(DateOrder order) {
    switch (order) {
    case DateOrder::DayMonthYear:
        return "dmy";
    case DateOrder::YearMonthDay:
        return "ymd";
    case DateOrder::MonthDayYear:
        break;
    }
    return "mdy";
}

std::optional<DateOrder> order_named(std::string_view name) {
    for (const DateOrder o :
         {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay}) {
        if (name == order_name(o)) {
            return o;
        }
    }
    return std::nullopt;
}

const char* source_name(Source source) {
    switch (source) {
    case Source::Assumed:
        return "assumed";
    case Source::Chosen:
        return "chosen";
    case Source::File:
        break;
    }
    return "file";
}

LogRead read_log_text(const std::string& contents, MileageLog& log,
                      std::optional<ImportFormat> from,
                      const std::function<bool(std::size_t, std::size_t)>& progress) {
    ImportChoices choices;
    choices.from = from;
    return read_log_text(contents, log, choices, progress);
}

LogRead read_log_text(const std::string& contents, MileageLog& log, const ImportChoices& choices,
                      const std::function<bool(std::size_t, std::size_t)>& progress) {
    if (auto decoded = import::utf8_from_utf16(contents)) {
        return read_log_text(*decoded, log, choices, progress);
    }
    LogRead result;
    const std::optional<ImportFormat> format =
        choices.from ? choices.from : detect_format(contents);
    if (!format) {
        return result;
    }
    if (*format == ImportFormat::Milora) {
        result.understood = true;
        result.milora = read_mileage_text(contents, log, progress);
        result.report.rows = result.milora.entries;
        result.report.skipped_rows = result.milora.skipped_lines; // odometer going back
        for (const ReadStop& line : result.milora.skipped) {
            result.report.skipped.push_back({line.line, line.reason});
        }
        result.report.unreliable = result.milora.unreliable;
        result.report.dates = DateOrder::MonthDayYear;
        return result;
    }
    const import::Layout& layout = import::layout(*format);
    import::Parsed p;
    p.report.format = *format;
    const std::string_view text = without_bom(contents);
    if (!layout.read(text, p)) {
        return result;
    }
    result.understood = true;
    if (choices.distance) {
        p.report.distance = *choices.distance;
        p.report.distance_from = Source::Chosen;
    }
    if (choices.volume) {
        p.report.volume = *choices.volume;
        p.report.volume_from = Source::Chosen;
    }
    result.failure = import::resolve_dates(
        p, choices.dates, choices.assumed_dates.value_or(import::locale_date_order()));
    if (result.failure.empty()) {
        result.failure = import::choose_vehicle(p, choices.vehicle);
    }
    if (!result.failure.empty()) {
        result.report = std::move(p.report);
        return result;
    }
    const MileageLog::Index before = log.fillup_count();
    import::convert(p, log);
    result.report = std::move(p.report);
    if (log.fillup_count() == before) {
        result.failure = nothing_read(result.report);
    }
    return result;
}

Message not_understood_message(const std::string& path) {
    return {kProgramTitle,
            "The file \"" + path +
                "\" is in none of the layouts Milora reads. Milora reads its own files: three "
                "columns and no header, the date in double quotes as M/D/YYYY, the odometer in "
                "miles and the gallons (\"9/16/2006\",12345,10.5); the exports of " +
                export_apps() +
                "; and any CSV file whose first line names a date column, an odometer column "
                "(odometer, odo or mileage) and a fuel column "
                "(gallons, litres, liters, fuel, quantity or volume).",
            Icon::Warning, Buttons::Ok};
}

Message out_of_memory_message(const std::string& path) {
    return {kProgramTitle,
            "There is not enough memory to read the file \"" + path +
                "\". The log has not been changed.",
            Icon::Warning, Buttons::Ok};
}

Message import_failed_message(const std::string& path, const LogRead& read) {
    const ImportFormat f = read.report.format;
    const std::string what = f == ImportFormat::Generic
                                 ? std::string("a CSV file with named columns")
                                 : std::string("a ") + app_name(f) + " export";
    return {kProgramTitle,
            "The file \"" + path + "\" is " + what + ", but nothing was read from it: " +
                read.failure + ". The log has not been changed.",
            Icon::Warning, Buttons::Ok};
}

} // namespace milora::mileage
