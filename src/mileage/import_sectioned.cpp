// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// The sectioned exports, Fuelio and Drivvo: a marker line `## Name` (quoted or not) starts a
// section, the next record is its header, and the records after it are its rows.

#include "mileage/import_cells.h"
#include "mileage/import_layouts.h"
#include "mileage/import_records.h"
#include "numbers/line_reading.h"

#include <algorithm>
#include <array>

namespace milora::mileage::import {
namespace {

using numbers::trim;

bool section_marker(const CsvRecord& r, std::string& name) {
    const std::string_view first = trim(r[0]);
    if (!first.starts_with("##")) {
        return false;
    }
    for (std::size_t i = 1; i < r.size; ++i) {
        if (!trim(r[i]).empty()) {
            return false;
        }
    }
    name = trim(first.substr(2));
    return true;
}

template <class Header, class Row>
void read_sections(std::string_view text, std::string_view fill_section, Parsed& p,
                   Header on_header, Row on_row) {
    CsvReader records(text, ',');
    CsvRecord r;
    std::string section;
    bool in_fill = false;
    bool expect_header = false;
    while (records.next(r)) {
        std::string name;
        if (section_marker(r, name)) {
            section = name;
            in_fill = lower(name) == fill_section;
            expect_header = true;
            continue;
        }
        if (expect_header) {
            expect_header = false;
            if (in_fill) {
                on_header(r);
            }
            continue;
        }
        if (in_fill) {
            on_row(r); // counted with the fill-ups
            continue;
        }
        ++p.report.rows;
        if (section.empty()) {
            skip(p.report, r.line, "a row outside the fill-up section");
        } else {
            skip(p.report, r.line, "a row of the " + shown(section) + " section, not a fill-up");
        }
    }
}

struct FuelioColumns {
    int tank = -1;
    int date = -1;
    int odo = -1;
    int vol = -1;
    int full = -1;
    int missed = -1;
};

void fuelio_header(const CsvRecord& r, FuelioColumns& c, ImportReport& report,
                   std::string& fuel_unit) {
    for (std::size_t i = 0; i < r.size; ++i) {
        const std::string h = lower(trim(r[i]));
        const int col = static_cast<int>(i);
        if (h == "data" || h == "date") {
            c.date = col;
        } else if (h.starts_with("odo")) {
            c.odo = col;
            if (contains(h, "(mi")) {
                report.distance = DistanceUnit::Miles;
            }
        } else if (h == "tanknumber") {
            c.tank = col;
        } else if (c.vol < 0 && ((h.starts_with("fuel") && !h.starts_with("fueltype")) ||
                                 !non_volume_unit(h).empty())) {
            c.vol = col;
            fuel_unit = non_volume_unit(h);
            if (contains(h, "imp")) {
                report.volume = VolumeUnit::ImperialGallons;
            } else if (contains(h, "gal")) {
                report.volume = VolumeUnit::UsGallons;
            }
        } else if (h == "full") {
            c.full = col;
        } else if (h == "missed") {
            c.missed = col;
        }
    }
}

std::vector<std::string> headings(const CsvRecord& r) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < r.size; ++i) {
        out.push_back(lower(trim(r[i])));
    }
    return out;
}

bool is_drivvo_yes(std::string_view cell) {
    static constexpr std::array<std::string_view, 9> kYes = {"yes",
                                                             "sim",
                                                             "si",
                                                             "s\xC3\xAD",
                                                             "ja",
                                                             "tak",
                                                             "oui",
                                                             "\xD0\x94\xD0\xB0",
                                                             "\xD0\xB4\xD0\xB0"};
    const std::string v = lower(trim(cell));
    return std::find(kYes.begin(), kYes.end(), v) != kYes.end();
}

} // namespace

bool is_fuelio(std::string_view text) {
    return has_marker(text, "## Log");
}

bool read_fuelio(std::string_view text, Parsed& p) {
    if (!is_fuelio(text)) {
        return false;
    }
    p.report.distance = DistanceUnit::Kilometres;
    p.report.volume = VolumeUnit::Litres;
    FuelioColumns c;
    auto on_header = [&](const CsvRecord& r) {
        fuelio_header(r, c, p.report, p.fuel_unit);
        name_columns(p.report, headings(r), c.date, c.odo, c.vol);
    };
    auto on_row = [&](const CsvRecord& r) {
        FillRow& row = add_row(p, r);
        fill_row(row, r.line, r.cell(c.date), r.cell(c.odo), r.cell(c.vol), false);
        row.partial = trim(r.cell(c.full)) == "0";
        row.missed = trim(r.cell(c.missed)) == "1";
        const std::string_view tank = trim(r.cell(c.tank));
        if (!tank.empty() && tank != "1" && row.problem == Problem::None) {
            row.problem = Problem::OtherTank;
        }
    };
    read_sections(text, "log", p, on_header, on_row);
    mark_unreadable_fuel(p);
    return true;
}

bool is_drivvo(std::string_view text) {
    return has_marker(text, "##Refuelling");
}

// Drivvo's header is in the user's language, so its rows are read by position.
bool read_drivvo(std::string_view text, Parsed& p) {
    if (!is_drivvo(text)) {
        return false;
    }
    p.report.distance = DistanceUnit::Kilometres;
    p.report.volume = VolumeUnit::Litres;
    auto on_header = [&](const CsvRecord& r) {
        name_columns(p.report, headings(r), 1, 0, 5);
        if (contains(lower(r[0]), "(mi")) {
            p.report.distance = DistanceUnit::Miles;
        }
        for (std::size_t i = 1; i < r.size; ++i) {
            if (contains(lower(r[i]), "gal")) {
                p.report.volume = VolumeUnit::UsGallons;
            }
        }
    };
    auto on_row = [&](const CsvRecord& r) {
        FillRow& row = add_row(p, r);
        fill_row(row, r.line, r[1], r[0], r[5], false);
        row.partial = !is_drivvo_yes(r[6]);
    };
    read_sections(text, "refuelling", p, on_header, on_row);
    return true;
}

} // namespace milora::mileage::import
