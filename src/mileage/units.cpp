// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/units.h"

#include "mileage/fuel_import.h"

namespace milora::mileage {

namespace {

bool metric(Units u) {
    return u == Units::LitresPer100Km || u == Units::KmPerLitre;
}

double litres_per_volume(Units u) {
    if (u == Units::ImperialMpg) {
        return kLitresPerGallon * kGallonsPerImperialGallon;
    }
    return metric(u) ? 1.0 : kLitresPerGallon;
}

} // namespace

const std::array<UnitsDesc, 4>& all_units() {
    static const std::array<UnitsDesc, 4> units{{
        {Units::UsMpg, "us", "Miles and US Gallons (MPG)", "miles", "gallons", "MPG",
         "miles per gallon", "mnuUnits_US"},
        {Units::ImperialMpg, "uk", "Miles and Imperial Gallons (MPG)", "miles", "imperial gallons",
         "MPG", "miles per imperial gallon", "mnuUnits_UK"},
        {Units::LitresPer100Km, "l100km", "Kilometres and Litres (L/100 km)", "km", "litres",
         "L/100 km", "litres per 100 km", "mnuUnits_L100km"},
        {Units::KmPerLitre, "kml", "Kilometres and Litres (km/L)", "km", "litres", "km/L",
         "km per litre", "mnuUnits_KmL"},
    }};
    return units;
}

const UnitsDesc& describe(Units units) {
    return all_units()[static_cast<std::size_t>(units)];
}

std::optional<Units> units_named(std::string_view key) {
    for (const UnitsDesc& d : all_units()) {
        if (key == d.key) {
            return d.units;
        }
    }
    return std::nullopt;
}

double shown_distance(Units units, double miles) {
    return metric(units) ? miles * kKilometresPerMile : miles;
}

double shown_volume(Units units, double gallons) {
    return gallons * kLitresPerGallon / litres_per_volume(units);
}

double shown_economy(Units units, double mpg) {
    const double per_volume = shown_distance(units, mpg) / shown_volume(units, 1.0);
    if (units == Units::LitresPer100Km) {
        return per_volume == 0 ? 0.0 : 100.0 / per_volume;
    }
    return per_volume;
}

double miles_from(Units units, double distance) {
    return metric(units) ? distance / kKilometresPerMile : distance;
}

double gallons_from(Units units, double volume) {
    return volume * litres_per_volume(units) / kLitresPerGallon;
}

} // namespace milora::mileage
