// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/import_layouts.h"

#include "mileage/import_cells.h"
#include "mileage/import_records.h"
#include "mileage/mileage_file.h"
#include "numbers/line_reading.h"

#include <algorithm>
#include <array>

namespace milora::mileage::import {
namespace {

using numbers::trim;

constexpr std::array<Layout, 7> kLayouts{{
    {ImportFormat::Milora, "milora", "Milora", is_milora_file, nullptr},
    {ImportFormat::Fuelly, "fuelly", "Fuelly", is_fuelly, read_fuelly},
    {ImportFormat::Fuelio, "fuelio", "Fuelio", is_fuelio, read_fuelio},
    {ImportFormat::LubeLogger, "lubelogger", "LubeLogger", is_lubelogger, read_lubelogger},
    {ImportFormat::Spritmonitor, "spritmonitor", "Spritmonitor", is_spritmonitor,
     read_spritmonitor},
    {ImportFormat::Drivvo, "drivvo", "Drivvo", is_drivvo, read_drivvo},
    {ImportFormat::Generic, "generic", "a CSV file with named columns", is_generic, read_generic},
}};

} // namespace

std::span<const Layout> layouts() {
    return kLayouts;
}

const Layout& layout(ImportFormat format) {
    for (const Layout& l : kLayouts) {
        if (l.format == format) {
            return l;
        }
    }
    return kLayouts.front();
}

void skip(ImportReport& report, std::int64_t line, std::string reason) {
    ++report.skipped_rows;
    report.skipped.push_back({line, std::move(reason)});
    if (report.skipped.size() >= 2 * ImportReport::kSkippedKept) {
        keep_first_skipped(report);
    }
}

void keep_first_skipped(ImportReport& report) {
    std::stable_sort(report.skipped.begin(), report.skipped.end(),
                     [](const SkippedRow& a, const SkippedRow& b) { return a.line < b.line; });
    if (report.skipped.size() > ImportReport::kSkippedKept) {
        report.skipped.resize(ImportReport::kSkippedKept);
    }
}

FillRow& add_row(Parsed& p, const CsvRecord& r) {
    bool empty = true;
    for (std::size_t i = 0; i < r.size && empty; ++i) {
        empty = trim(r[i]).empty();
    }
    if (empty) {
        // A row of separators only is no fill-up that went missing: listed, never kept.
        ++p.report.rows;
        skip(p.report, r.line, "no odometer reading");
        p.scratch = FillRow();
        return p.scratch;
    }
    FillRow& row = p.rows.emplace_back();
    for (std::size_t i = 0; i < r.size; ++i) {
        if (r.has(i, CsvRecord::Unclosed)) {
            row.problem = Problem::BrokenQuote;
        }
    }
    return row;
}

void fill_row(FillRow& row, std::int64_t line, std::string_view date, std::string_view odometer,
              std::string_view volume, bool odometer_comma, bool volume_comma) {
    row.line = line;
    if (row.problem != Problem::None) {
        return;
    }
    const auto odo = number(odometer, odometer_comma);
    const auto vol = number(volume, volume_comma);
    if (!odo || !(*odo > 0)) {
        row.problem = Problem::NoOdometer;
        row.date = shown(odometer);
        return;
    }
    row.odometer = *odo;
    if (!vol || !(*vol > 0)) {
        row.problem = Problem::NoVolume;
        row.date = shown(volume);
        return;
    }
    row.volume = *vol;
    row.parts = date_parts(date);
    if (row.parts.sep == 0) {
        row.date = shown(date);
    }
}

void name_columns(ImportReport& report, const std::vector<std::string>& header, int date,
                  int odometer, int fuel) {
    const auto heading = [&](int i) {
        return i >= 0 && static_cast<std::size_t>(i) < header.size()
                   ? header[static_cast<std::size_t>(i)]
                   : std::string();
    };
    report.date_column = heading(date);
    report.odometer_column = heading(odometer);
    report.fuel_column = heading(fuel);
}

// Milora's own files: the first line that is not blank is a record, or there is none.
bool is_milora_file(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(pos, end - pos);
        if (!trim(line).empty()) {
            return is_mileage_record(line);
        }
        pos = end + 1;
    }
    return true;
}

bool is_fuelly(std::string_view text) {
    return find_column(header_cells(text, ','), "fuelup_date") >= 0;
}

bool read_fuelly(std::string_view text, Parsed& p) {
    CsvReader records(text, ',');
    CsvRecord r;
    std::vector<std::string> h;
    if (!read_header(records, r, h)) {
        return false;
    }
    const int date = find_column(h, "fuelup_date");
    if (date < 0) {
        return false;
    }
    const int odo = find_column(h, "odometer");
    int vol = find_column(h, "gallons");
    if (vol < 0) {
        vol = find_column(h, "litres");
        if (vol < 0) {
            vol = find_column(h, "liters");
        }
        if (vol >= 0) {
            p.report.volume = VolumeUnit::Litres;
        }
    }
    if (find_column(h, "km") >= 0 || find_column(h, "kilometers") >= 0) {
        p.report.distance = DistanceUnit::Kilometres;
    } else if (find_column(h, "miles") < 0) {
        p.report.distance_from = Source::Assumed;
    }
    if (vol < 0) {
        p.report.volume_from = Source::Assumed;
    }
    name_columns(p.report, h, date, odo, vol);
    const int missed = find_column(h, "missed_fuelup");
    const int partial = find_column(h, "partial_fuelup");
    const int car = vehicle_column(h);
    while (records.next(r)) {
        FillRow& row = add_row(p, r);
        fill_row(row, r.line, r.cell(date), r.cell(odo), r.cell(vol), false);
        row.vehicle = car >= 0 ? p.vehicle_index(r.cell(car)) : 0;
        row.partial = is_yes(r.cell(partial));
        row.missed = is_yes(r.cell(missed));
    }
    return true;
}

bool is_lubelogger(std::string_view text) {
    return has_all(header_cells(text, ','), {"date", "odometer", "fuelconsumed", "isfilltofull"});
}

bool read_lubelogger(std::string_view text, Parsed& p) {
    CsvReader records(text, ',');
    CsvRecord r;
    std::vector<std::string> h;
    if (!read_header(records, r, h) ||
        !has_all(h, {"date", "odometer", "fuelconsumed", "isfilltofull"})) {
        return false;
    }
    const int date = find_column(h, "date");
    const int odo = find_column(h, "odometer");
    const int vol = find_column(h, "fuelconsumed");
    const int full = find_column(h, "isfilltofull");
    const int missed = find_column(h, "missedfuelup");
    const int economy = find_column(h, "fueleconomy");
    name_columns(p.report, h, date, odo, vol);
    p.report.distance_from = Source::Assumed; // until FuelEconomy tells them (rule 6)
    p.report.volume_from = Source::Assumed;
    while (records.next(r)) {
        FillRow& row = add_row(p, r);
        fill_row(row, r.line, r.cell(date), r.cell(odo), r.cell(vol), false);
        row.partial = !is_yes(r.cell(full));
        row.missed = is_yes(r.cell(missed));
        if (const auto e = number(r.cell(economy), false); e && *e > 0 && *e < 1e30) {
            row.economy = static_cast<float>(*e);
        }
    }
    return true;
}

bool is_spritmonitor(std::string_view text) {
    const std::vector<std::string> h = header_cells(text, ';');
    return has_all(h, {"datum", "km-stand", "spritmenge", "tankart"}) ||
           has_all(h, {"date", "odometer", "trip", "quantity", "type"});
}

bool read_spritmonitor(std::string_view text, Parsed& p) {
    CsvReader records(text, ';');
    CsvRecord r;
    std::vector<std::string> h;
    if (!read_header(records, r, h)) {
        return false;
    }
    const bool german = has_all(h, {"datum", "km-stand", "spritmenge", "tankart"});
    if (!german && !has_all(h, {"date", "odometer", "trip", "quantity", "type"})) {
        return false;
    }
    const int date = find_column(h, german ? "datum" : "date");
    const int odo = find_column(h, german ? "km-stand" : "odometer");
    const int vol = find_column(h, german ? "spritmenge" : "quantity");
    const int type = find_column(h, german ? "tankart" : "type");
    name_columns(p.report, h, date, odo, vol);
    p.report.distance = DistanceUnit::Kilometres;
    p.report.volume = VolumeUnit::Litres;
    while (records.next(r)) {
        FillRow& row = add_row(p, r);
        fill_row(row, r.line, r.cell(date), r.cell(odo), r.cell(vol), true);
        const std::string_view t = trim(r.cell(type));
        row.partial = t == "2";
        row.missed = t == "3" || t == "0";
    }
    return true;
}

} // namespace milora::mileage::import
