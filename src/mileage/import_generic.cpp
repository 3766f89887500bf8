// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Any CSV file whose first line names a date, an odometer and a fuel column.

#include "mileage/import_cells.h"
#include "mileage/import_layouts.h"
#include "mileage/import_records.h"
#include "numbers/line_reading.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace milora::mileage::import {
namespace {

struct GenericColumns {
    int date = -1;
    int odometer = -1;
    int volume = -1;
    int full = -1;
    int partial = -1;
    int missed = -1;
    int kind = -1; // "full" or "partial" (fillUpType)
};

enum class Role : std::uint8_t { Date, Odometer, Volume, Full, Partial, Missed, Kind, Price };

struct Heading {
    Role role;
    std::string_view word; // found anywhere in the lower-case heading
};

// The words of common headings, English first, then German, French, Spanish, Italian, Dutch,
// Portuguese and Polish.
constexpr Heading kHeadings[] = {
    {Role::Date, "date"},
    {Role::Odometer, "odometer"},
    {Role::Odometer, "odo"},
    {Role::Odometer, "mileage"},
    {Role::Volume, "gallon"},
    {Role::Volume, "litre"},
    {Role::Volume, "liter"},
    {Role::Volume, "quantity"},
    {Role::Volume, "volume"},
    {Role::Partial, "partial"},
    {Role::Missed, "missed"},
    {Role::Full, "full"},
    {Role::Full, "filled"},
    {Role::Kind, "filluptype"},
    {Role::Kind, "fill up type"},
    {Role::Price, "price"},
    {Role::Price, "cost"},
    // de
    {Role::Date, "datum"},
    {Role::Odometer, "kilometerstand"},
    {Role::Odometer, "km-stand"},
    {Role::Volume, "menge"},
    {Role::Full, "vollgetankt"},
    {Role::Full, "volltank"},
    {Role::Partial, "teilbetankung"},
    {Role::Price, "preis"},
    {Role::Price, "kosten"},
    // fr
    {Role::Odometer, "kilom\xC3\xA9trage"},
    {Role::Odometer, "compteur"},
    {Role::Volume, "quantit\xC3\xA9"},
    {Role::Full, "plein"},
    {Role::Partial, "partiel"},
    {Role::Price, "prix"},
    {Role::Price, "co\xC3\xBBt"},
    // es
    {Role::Date, "fecha"},
    {Role::Odometer, "od\xC3\xB3metro"},
    {Role::Odometer, "kilometraje"},
    {Role::Volume, "litros"},
    {Role::Volume, "cantidad"},
    {Role::Full, "lleno"},
    {Role::Partial, "parcial"},
    {Role::Price, "precio"},
    {Role::Price, "coste"},
    // it
    {Role::Date, "data"},
    {Role::Odometer, "contachilometri"},
    {Role::Odometer, "chilometraggio"},
    {Role::Volume, "litri"},
    {Role::Volume, "quantit\xC3\xA0"},
    {Role::Full, "pieno"},
    {Role::Partial, "parziale"},
    {Role::Price, "prezzo"},
    {Role::Price, "costo"},
    // nl
    {Role::Volume, "hoeveelheid"},
    {Role::Full, "volgetankt"},
    {Role::Full, "volle tank"},
    {Role::Partial, "gedeeltelijk"},
    {Role::Price, "prijs"},
    // pt
    {Role::Odometer, "hod\xC3\xB4metro"},
    {Role::Odometer, "od\xC3\xB4metro"},
    {Role::Odometer, "quilometragem"},
    {Role::Volume, "quantidade"},
    {Role::Full, "cheio"},
    {Role::Price, "pre\xC3\xA7o"},
    {Role::Price, "custo"},
    // pl
    {Role::Odometer, "przebieg"},
    {Role::Odometer, "licznik"},
    {Role::Volume, "litry"},
    {Role::Volume, "ilo\xC5\x9B\xC4\x87"},
    {Role::Full, "pe\xC5\x82ny"},
    {Role::Full, "do pe\xC5\x82na"},
    {Role::Partial, "cz\xC4\x99\xC5\x9B"
                    "ciow"},
    {Role::Price, "cena"},
    {Role::Price, "koszt"},
};

bool has_role(std::string_view h, Role role) {
    for (const Heading& k : kHeadings) {
        if (k.role == role && contains(h, k.word)) {
            return true;
        }
    }
    return false;
}

bool names_volume(const std::string& h) {
    if (has_role(h, Role::Price) || contains(h, "per ") || contains(h, "/")) {
        return false;
    }
    return has_role(h, Role::Volume);
}

bool names_fuel(const std::string& n) {
    return contains(n, "fuel") && !has_role(n, Role::Price) && !contains(n, "type") &&
           !contains(n, "econom");
}

// The column a heading names, nullptr for none (the first date, odometer and volume count; of
// the flag columns the last).
int* column_for(GenericColumns& c, const std::string& n) {
    if (c.date < 0 && has_role(n, Role::Date)) {
        return &c.date;
    }
    if (c.odometer < 0 && has_role(n, Role::Odometer)) {
        return &c.odometer;
    }
    if (c.volume < 0 && names_volume(n)) {
        return &c.volume;
    }
    const std::pair<Role, int*> flags[] = {{Role::Kind, &c.kind},
                                           {Role::Partial, &c.partial},
                                           {Role::Missed, &c.missed},
                                           {Role::Full, &c.full}};
    for (const auto& [role, column] : flags) {
        if (has_role(n, role)) {
            return column;
        }
    }
    return nullptr;
}

GenericColumns generic_columns(const std::vector<std::string>& h) {
    GenericColumns c;
    int fuel = -1;
    for (std::size_t i = 0; i < h.size(); ++i) {
        if (int* column = column_for(c, h[i])) {
            *column = static_cast<int>(i);
        } else if (fuel < 0 && names_fuel(h[i])) {
            fuel = static_cast<int>(i);
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
    const auto any = [](const std::string& h, std::initializer_list<std::string_view> words) {
        return std::any_of(words.begin(), words.end(),
                           [&](std::string_view w) { return contains(h, w); });
    };
    // Headings that are kilometres in their own language: Kilometerstand, kilometraje, ...
    if (has_word(odo_name, "km") ||
        any(odo_name, {"kilomet", "kilom\xC3\xA9", "chilometr", "quilometr", "km-stand"})) {
        report.distance = DistanceUnit::Kilometres;
    } else if (!has_word(odo_name, "mi") && !has_word(odo_name, "mile") &&
               !has_word(odo_name, "miles")) {
        report.distance_from = Source::Assumed;
    }
    if (any(vol_name, {"litre", "liter", "(l)", "litro", "litri", "litry"})) {
        report.volume = VolumeUnit::Litres;
    } else if (has_word(vol_name, "imp") || has_word(vol_name, "uk")) {
        report.volume = VolumeUnit::ImperialGallons;
    } else if (!any(vol_name, {"gal"})) {
        report.volume_from = Source::Assumed;
    }
}

// The decimal mark of a column of a `;` or tab file, from all its values: a comma anywhere makes
// it a decimal comma ("28.023,0"); a point with other than three digits after it a decimal
// point; points always followed by three digits ("13.049", "3.680") are decimal points in a fuel
// column, where thousands of litres are no fill-up, and group thousands in an odometer column.
bool decimal_comma(std::string_view text, char sep, int column, bool fuel) {
    CsvReader records(text, sep);
    CsvRecord r;
    records.next(r); // the header
    bool grouped_only = true;
    while (records.next(r)) {
        const std::string_view cell = numbers::trim(r.cell(column));
        if (contains(cell, ",")) {
            return true;
        }
        const std::size_t dot = cell.find('.');
        if (dot != std::string_view::npos && cell.size() - dot - 1 != 3) {
            grouped_only = false;
        }
    }
    return grouped_only && !fuel;
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
    name_columns(p.report, h, c.date, c.odometer, c.volume);
    const bool odometer_comma = sep != ',' && decimal_comma(text, sep, c.odometer, false);
    const bool volume_comma = sep != ',' && decimal_comma(text, sep, c.volume, true);
    const int car = vehicle_column(h);
    while (records.next(r)) {
        FillRow& row = add_row(p, r);
        fill_row(row, r.line, r.cell(c.date), r.cell(c.odometer), r.cell(c.volume), odometer_comma,
                 volume_comma);
        row.vehicle = car >= 0 ? p.vehicle_index(r.cell(car)) : 0;
        row.partial = is_yes(r.cell(c.partial)) || (c.full >= 0 && is_no(r.cell(c.full))) ||
                      is_one_of(r.cell(c.kind), {"partial"});
        row.missed = is_yes(r.cell(c.missed));
    }
    mark_unreadable_fuel(p);
    return true;
}

} // namespace milora::mileage::import
