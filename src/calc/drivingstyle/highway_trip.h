// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The trip arithmetic shared by the trip cost and the yearly highway cost windows: the trip at the
// base speed, and for each of the nine speeds its time, its gas money and the differences from the
// base speed. Also the two number texts those windows run into their cells and sentence.

#include "calc/drivingstyle/speed_model.h"

#include <string>

namespace milora::calc {

struct TripBase {
    float time = 0; // tb = D / B, hours
    float cost = 0; // Cb = D x G / Mb, dollars
};

struct TripColumn {
    float time = 0;       // ti = D / s
    float drop = 0;       // relative form
    float mpg = 0;        // Mi = Mb x (1 - d)
    float cost = 0;       // Ci = D / Mi x G
    float extra_cost = 0; // X = Ci - Cb
    float time_gain = 0;  // delta = tb - ti, positive when s is faster than the base speed
    float time_saved = 0; // S = |delta|
};

TripBase trip_base(const SpeedModel& m, float distance, float gas_price);
TripColumn trip_column(const SpeedModel& m, const TripBase& base, float distance, float gas_price,
                       int speed_index);

// Writes the nine columns both windows show, colouring each cell: the speed (`lblDriveSpeed2`),
// the time (`lblTravelTime`), the time saved (`lblSaveTimeTable`, red where the speed is slower),
// with `minutes_per_day` the time saved in minutes a day (`lblMinutes_Per_Year`), the extra gas
// money (`lblExtraGasSpend`), the money per hour saved (`lblHourlyCost`, a bold "$0.00" in the base
// column) and the extra carbon dioxide (`lblExtraCO2`); the money and carbon dioxide cells are red
// where the speed saves money.
void fill_trip_columns(FormState& s, const SpeedModel& m, const TripBase& base, float distance,
                       float gas_price, bool minutes_per_day);

// Extra pounds of carbon dioxide for extra gas money X at price G: X / G stored, then x 19.7.
double extra_co2_pounds(float extra_cost, float gas_price);

// Hours as whole hours with "#0h " and then the minutes with "#0m": 1.8182 is "1h 49m", and a
// fraction of 59.5 minutes or more shows as "60m".
std::string time_text(float hours);

} // namespace milora::calc
