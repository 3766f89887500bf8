// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Files that hold the fill-ups of several vehicles (Fuelly's account export, and the CSV files of
// apps that keep a vehicle column): one vehicle is read, never a merge of them.

#include "mileage/import_cells.h"
#include "mileage/import_records.h"
#include "mileage/import_rows.h"
#include "numbers/line_reading.h"

#include <algorithm>

namespace milora::mileage::import {
namespace {

std::string day_text(std::int32_t day) {
    return std::to_string(day / 100 % 100) + "/" + std::to_string(day % 100) + "/" +
           std::to_string(day / 10000);
}

std::vector<VehicleRows> count_vehicles(const Parsed& p) {
    std::vector<VehicleRows> out(p.vehicles.size());
    std::vector<std::int32_t> first(p.vehicles.size(), 0);
    std::vector<std::int32_t> last(p.vehicles.size(), 0);
    for (const FillRow& row : p.rows) {
        if (row.vehicle >= out.size()) {
            continue;
        }
        VehicleRows& v = out[row.vehicle];
        ++v.rows;
        if (row.day > 0) {
            std::int32_t& f = first[row.vehicle];
            std::int32_t& l = last[row.vehicle];
            f = f == 0 ? row.day : std::min(f, row.day);
            l = std::max(l, row.day);
        }
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i].name = p.vehicles[i];
        if (first[i] > 0) {
            out[i].first = day_text(first[i]);
            out[i].last = day_text(last[i]);
        }
    }
    return out;
}

std::string listed(const std::vector<VehicleRows>& vehicles) {
    std::string out;
    for (const VehicleRows& v : vehicles) {
        out += out.empty() ? "" : ", ";
        out += "\"" + shown(v.name) + "\" (" + std::to_string(v.rows) +
               (v.rows == 1 ? " row" : " rows");
        if (!v.first.empty()) {
            out += v.first == v.last ? ", " + v.first : ", " + v.first + " to " + v.last;
        }
        out += ")";
    }
    return out;
}

} // namespace

std::uint32_t Parsed::vehicle_index(std::string_view name) {
    name = numbers::trim(name);
    // Exports group a vehicle's rows: the last name found is nearly always the one asked for.
    if (!vehicles.empty() && vehicles.back() == name) {
        return static_cast<std::uint32_t>(vehicles.size() - 1);
    }
    const auto at = std::find(vehicles.begin(), vehicles.end(), name);
    if (at != vehicles.end()) {
        return static_cast<std::uint32_t>(at - vehicles.begin());
    }
    vehicles.emplace_back(name);
    return static_cast<std::uint32_t>(vehicles.size() - 1);
}

std::string non_volume_unit(std::string_view heading) {
    const std::string h = lower(heading);
    if (has_word(h, "kg") || contains(h, "kilogram")) {
        return "kg";
    }
    if (has_word(h, "kwh")) {
        return "kWh";
    }
    return {};
}

void mark_unreadable_fuel(Parsed& p) {
    if (p.fuel_unit.empty()) {
        return;
    }
    for (FillRow& row : p.rows) {
        if (row.problem == Problem::None) {
            row.problem = Problem::NotVolume;
        }
    }
}

int vehicle_column(const std::vector<std::string>& header) {
    for (const std::string_view name :
         {"car_name", "vehicle", "vehicle_name", "vehicle name", "vehiclename", "car", "car name",
          "fahrzeug", "véhicule", "vehículo", "veicolo", "voertuig", "veículo", "pojazd"}) {
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (numbers::trim(header[i]) == name) {
                return static_cast<int>(i);
            }
        }
    }
    return -1;
}

std::string choose_vehicle(Parsed& p, const std::optional<std::string>& asked) {
    if (p.vehicles.size() <= 1 && !asked) {
        return {};
    }
    p.report.vehicles = count_vehicles(p);
    if (!asked) {
        return "it holds the fill-ups of " + std::to_string(p.vehicles.size()) +
               " vehicles, which are never merged: " + listed(p.report.vehicles) + "; choose one";
    }
    const auto at = std::find(p.vehicles.begin(), p.vehicles.end(), numbers::trim(*asked));
    if (at == p.vehicles.end()) {
        return "it holds no vehicle named \"" + shown(*asked) + "\"" +
               (p.vehicles.empty() ? std::string()
                                   : "; its vehicles: " + listed(p.report.vehicles));
    }
    const auto keep = static_cast<std::uint32_t>(at - p.vehicles.begin());
    std::erase_if(p.rows, [keep](const FillRow& row) { return row.vehicle != keep; });
    p.report.vehicle = *at;
    return {};
}

} // namespace milora::mileage::import
