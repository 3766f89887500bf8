// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The units the tracker shows: the log itself always holds miles and US gallons (and so do its
// files); the list, the summary, the plot and the entry boxes show and take the user's units.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace milora::mileage {

enum class Units { UsMpg, ImperialMpg, LitresPer100Km, KmPerLitre };

struct UnitsDesc {
    Units units;
    const char* key;           // "us": the settings value and `milora-calc mileage --units`
    const char* menu_text;     // "Miles and US Gallons (MPG)"
    const char* distance;      // "miles", "km"
    const char* volume;        // "gallons", "imperial gallons", "litres"
    const char* economy;       // "MPG", "L/100 km", "km/L"
    const char* economy_words; // "miles per gallon", as the summary says it
    const char* menu_name;     // the menu item's object name
};

const std::array<UnitsDesc, 4>& all_units();
const UnitsDesc& describe(Units units);
std::optional<Units> units_named(std::string_view key);

// From the log's miles, US gallons and MPG to the units shown, and back.
double shown_distance(Units units, double miles);
double shown_volume(Units units, double gallons);
double shown_economy(Units units, double mpg);
double miles_from(Units units, double distance);
double gallons_from(Units units, double volume);

// What the log holds for a figure typed in `units` (its box text already read as a single): the
// miles or US gallons as a single, nullopt when they lie beyond a single's range.
std::optional<float> held_distance(Units units, float typed);
std::optional<float> held_volume(Units units, float typed);

// A held figure as a box shows it in `units`: the fewest significant digits (up to 7) that are
// held as the very same single when typed again, so that 12345 typed in km shows as 12345 and not
// as 12344.99; the value rounded to 7 digits when none are.
std::string distance_box_text(Units units, float held);
std::string volume_box_text(Units units, float held);

} // namespace milora::mileage
