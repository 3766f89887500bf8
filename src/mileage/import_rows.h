// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The rows of an export's fill-up section as the layouts read them, before they become entries.

#include "mileage/fuel_import.h"
#include "mileage/import_dates.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace milora::mileage::import {

struct CsvRecord;

enum class Problem : std::uint8_t {
    None,
    NoOdometer,
    NoVolume,
    BadDate,
    NoSuchDay,
    OtherTank, // a second tank's fill-up (a car with two fuels)
    NotVolume, // fuel weighed (kg) or metered (kWh)
    BrokenQuote,
};

struct FillRow {
    double odometer = 0;
    double volume = 0;
    std::int64_t line = 0;
    std::string
        date; // M/D/YYYY once the dates are resolved, or the cell as found when it is no date
    DateParts parts;
    std::int32_t day = 0;      // YYYYMMDD once the dates are resolved, for ordering dates
    std::uint32_t vehicle = 0; // index into Parsed::vehicles
    float economy = 0;         // LubeLogger's FuelEconomy, for telling its units
    Problem problem = Problem::None;
    bool partial = false;
    bool missed = false;
};

struct Parsed {
    ImportReport report;
    std::vector<FillRow> rows;
    std::vector<std::string> vehicles; // as named in the file's vehicle column, in file order
    std::string fuel_unit;             // "kg" or "kWh" when the fuel column names one
    FillRow scratch;                   // what add_row gives for a row that is not kept

    // The index of vehicle `name`, added when new.
    std::uint32_t vehicle_index(std::string_view name);
};

// Keeps the rows of one vehicle when the file holds several: the one asked for, else none, and
// then the returned text says why (the vehicles and their rows). Empty when all is well.
std::string choose_vehicle(Parsed& p, const std::optional<std::string>& asked);

// "kg" or "kWh" when a fuel heading names a unit that is no volume, else empty.
std::string non_volume_unit(std::string_view heading);
// Marks every row of `p` that is no volume (p.fuel_unit) or of a tank after the first.
void mark_unreadable_fuel(Parsed& p);

// Notes the headings of the date, odometer and fuel columns in the report (-1: none).
void name_columns(ImportReport& report, const std::vector<std::string>& header, int date,
                  int odometer, int fuel);

// The vehicle column of a header (car_name, vehicle, car, ...), or -1.
int vehicle_column(const std::vector<std::string>& header);

// A new row for record `r`; a row with a quote that never closes is skipped with that reason.
FillRow& add_row(Parsed& p, const CsvRecord& r);

// Fills `row` from the cells of one record; a missing odometer or volume is a problem of the
// row, not of the file.
void fill_row(FillRow& row, std::int64_t line, std::string_view date, std::string_view odometer,
              std::string_view volume, bool odometer_comma, bool volume_comma);
inline void fill_row(FillRow& row, std::int64_t line, std::string_view date,
                     std::string_view odometer, std::string_view volume, bool decimal_comma) {
    fill_row(row, line, date, odometer, volume, decimal_comma, decimal_comma);
}

// Lists a skipped row; of a long list the first kSkippedKept by line stay (keep_first_skipped).
void skip(ImportReport& report, std::int64_t line, std::string reason);
void keep_first_skipped(ImportReport& report);

// Turns the rows into entries of `log` (the steps in fuel_import.h, rules 3 to 6) and completes
// the report.
void convert(Parsed& p, MileageLog& log);

} // namespace milora::mileage::import
