// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/units.h"

#include "mileage/fuel_import.h"
#include "numbers/number_reading.h"
#include "numbers/number_text.h"

#include <cstdio>

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

// The figure held for `typed` in the user's units: the converted value in the number text form,
// read as a box text is read, as a new entry's check does it.
std::optional<float> held_for(Units units, float typed, double (*to_log)(Units, double)) {
    if (units == Units::UsMpg) {
        return typed;
    }
    return numbers::parse_single(numbers::number_text(to_log(units, double{typed})));
}

std::string box_text(Units units, float value, double (*to_log)(Units, double),
                     double (*shown)(Units, double)) {
    if (units == Units::UsMpg) {
        return numbers::number_text(value);
    }
    const double in_units = shown(units, double{value});
    for (int digits = 1; digits <= 7; ++digits) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*e", digits - 1, in_units);
        const auto typed = numbers::parse_single(buf);
        if (typed && held_for(units, *typed, to_log) == value) {
            return numbers::number_text(*typed);
        }
    }
    return numbers::number_text(static_cast<float>(in_units));
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

std::optional<float> held_distance(Units units, float typed) {
    return held_for(units, typed, miles_from);
}

std::optional<float> held_volume(Units units, float typed) {
    return held_for(units, typed, gallons_from);
}

std::string distance_box_text(Units units, float held) {
    return box_text(units, held, miles_from, shown_distance);
}

std::string volume_box_text(Units units, float held) {
    return box_text(units, held, gallons_from, shown_volume);
}

} // namespace milora::mileage
