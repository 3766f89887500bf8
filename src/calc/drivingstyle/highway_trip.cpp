// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/highway_trip.h"

#include "calc/constants.h"
#include "numbers/format_pattern.h"
#include "numbers/precision.h"

#include <cmath>

namespace milora::calc {

using numbers::single;

TripBase trip_base(const SpeedModel& m, float distance, float gas_price) {
    TripBase b;
    b.time = single(double{distance} / m.base_mph);
    b.cost = single(double{distance} * gas_price / m.base_mpg);
    return b;
}

TripColumn trip_column(const SpeedModel& m, const TripBase& base, float distance, float gas_price,
                       int speed_index) {
    TripColumn c;
    c.time = single(double{distance} / speed_of_index(speed_index));
    c.drop = m.drop(speed_index);
    c.mpg = single(double{m.base_mpg} * (1 - double{c.drop}));
    c.cost = single(double{distance} / c.mpg * gas_price);
    c.extra_cost = single(double{c.cost} - base.cost);
    c.time_gain = single(double{base.time} - c.time);
    c.time_saved = std::fabs(c.time_gain);
    return c;
}

double extra_co2_pounds(float extra_cost, float gas_price) {
    const float gallons = single(double{extra_cost} / gas_price);
    return double{gallons} * kCo2PerGallonGrid;
}

std::string time_text(float hours) {
    const float whole = std::floor(hours);
    const float minutes = single((double{hours} - whole) * 60);
    return numbers::format(whole, "#0h ") + numbers::format(minutes, "#0m");
}

} // namespace milora::calc
