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

void fill_trip_columns(FormState& s, const SpeedModel& m, const TripBase& base, float distance,
                       float gas_price, bool minutes_per_day) {
    using numbers::format;
    for (int i = 0; i < kSpeedCount; ++i) {
        s.label("lblDriveSpeed2", i).text = format(speed_of_index(i), "## mph");
        const TripColumn c = trip_column(m, base, distance, gas_price, i);
        s.label("lblTravelTime", i).text = time_text(c.time);

        const bool slower = c.time_gain < 0;
        auto& saved = s.label("lblSaveTimeTable", i);
        saved.red = slower;
        saved.text = time_text(c.time_saved);
        if (minutes_per_day) {
            auto& per_day = s.label("lblMinutes_Per_Year", i);
            per_day.red = slower;
            per_day.text = format(double{c.time_saved} * 60 / 365, "#0");
        }

        const bool saves_money = c.extra_cost < 0;
        auto& extra = s.label("lblExtraGasSpend", i);
        extra.red = saves_money;
        extra.text = format(c.extra_cost, "$#0.00");
        auto& hourly = s.label("lblHourlyCost", i);
        hourly.red = saves_money;
        if (c.time_gain != 0) {
            hourly.text = format(double{c.extra_cost} / c.time_saved, "$#0.00");
        } else {
            hourly.bold = true;
            hourly.text = "$0.00";
        }
        auto& co2 = s.label("lblExtraCO2", i);
        co2.red = saves_money;
        co2.text = format(extra_co2_pounds(c.extra_cost, gas_price), "#0 lbs");
    }
}

std::string time_text(float hours) {
    const float whole = std::floor(hours);
    const float minutes = single((double{hours} - whole) * 60);
    return numbers::format(whole, "#0h ") + numbers::format(minutes, "#0m");
}

} // namespace milora::calc
