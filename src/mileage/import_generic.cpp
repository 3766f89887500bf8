// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Any CSV file whose first line names a date, an odometer and a fuel column.

#include "mileage/import_cells.h"
#include "mileage/import_layouts.h"
#include "mileage/import_records.h"

#include <algorithm>

namespace milora::mileage::import {
namespace {

struct GenericColumns {
    int date = -1;
    int odometer = -1;
    int volume = -1;
    int full = -1;
    int partial = -1;
    int missed = -1;
};

bool names_volume(const std::string& h) {
    if (contains(h, "price") || contains(h, "cost") || contains(h, "per ") || contains(h, "/")) {
        return false;
    }
    for (const std::string_view word : {"gallon", "litre", "liter", "quantity", "volume"}) {
        if (contains(h, word)) {
            return true;
        }
    }
    return false;
}

bool names_fuel(const std::string& n) {
    return contains(n, "fuel") && !contains(n, "price") && !contains(n, "cost") &&
           !contains(n, "type") && !contains(n, "econom");
}

GenericColumns generic_columns(const std::vector<std::string>& h) {
    GenericColumns c;
    int fuel = -1;
    for (std::size_t i = 0; i < h.size(); ++i) {
        const std::string& n = h[i];
        const int col = static_cast<int>(i);
        if (c.date < 0 && contains(n, "date")) {
            c.date = col;
        } else if (c.odometer < 0 &&
                   (contains(n, "odometer") || contains(n, "odo") || contains(n, "mileage"))) {
            c.odometer = col;
        } else if (c.volume < 0 && names_volume(n)) {
            c.volume = col;
        } else if (contains(n, "partial")) {
            c.partial = col;
        } else if (contains(n, "missed")) {
            c.missed = col;
        } else if (contains(n, "full")) {
            c.full = col;
        } else if (fuel < 0 && names_fuel(n)) {
            fuel = col;
        }
    }
    if (c.volume < 0) {
        c.volume = fuel;
    }
    return c;
}

// The most frequent of tab, `;` and `,` in the first line.
char generic_separator(std::string_view text) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view first = text.substr(0, end);
    char best = ',';
    std::ptrdiff_t most = 0;
    for (const char sep : {'\t', ';', ','}) {
        const auto n = std::count(first.begin(), first.end(), sep);
        if (n > most) {
            most = n;
            best = sep;
        }
    }
    return best;
}

bool complete(const GenericColumns& c) {
    return c.date >= 0 && c.odometer >= 0 && c.volume >= 0;
}

void generic_units(const std::string& odo_name, const std::string& vol_name, ImportReport& report) {
    if (has_word(odo_name, "km")) {
        report.distance = DistanceUnit::Kilometres;
    }
    if (contains(vol_name, "litre") || contains(vol_name, "liter") || contains(vol_name, "(l)")) {
        report.volume = VolumeUnit::Litres;
    } else if (has_word(vol_name, "imp") || has_word(vol_name, "uk")) {
        report.volume = VolumeUnit::ImperialGallons;
    }
}

} // namespace

bool is_generic(std::string_view text) {
    return complete(generic_columns(header_cells(text, generic_separator(text))));
}

bool read_generic(std::string_view text, Parsed& p) {
    const char sep = generic_separator(text);
    CsvReader records(text, sep);
    CsvRecord r;
    std::vector<std::string> h;
    if (!read_header(records, r, h)) {
        return false;
    }
    const GenericColumns c = generic_columns(h);
    if (!complete(c)) {
        return false;
    }
    generic_units(h[static_cast<std::size_t>(c.odometer)], h[static_cast<std::size_t>(c.volume)],
                  p.report);
    p.fuel_unit = non_volume_unit(h[static_cast<std::size_t>(c.volume)]);
    const bool decimal_comma = sep != ',';
    const int car = vehicle_column(h);
    while (records.next(r)) {
        FillRow& row = add_row(p, r);
        fill_row(row, r.line, r.cell(c.date), r.cell(c.odometer), r.cell(c.volume), decimal_comma);
        row.vehicle = car >= 0 ? p.vehicle_index(r.cell(car)) : 0;
        row.partial = is_yes(r.cell(c.partial)) || (c.full >= 0 && is_no(r.cell(c.full)));
        row.missed = is_yes(r.cell(c.missed));
    }
    mark_unreadable_fuel(p);
    return true;
}

} // namespace milora::mileage::import
