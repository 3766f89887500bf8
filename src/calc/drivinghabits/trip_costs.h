// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What the Driving Habits windows share: the cost of a trip (F02, F03) and the boxes that give a
// mile its price (F01, F01a).

#include "calc/form_state.h"

#include <vector>

namespace milora::calc {

struct TripCosts {
    float worth = 0;    // the user's time, dollars an hour
    float distance = 0; // miles, there and back
    float gas = 0;      // the gas the trip burns, in dollars
    float time = 0;     // the driving time, in dollars
    float mileage = 0;  // the total cost of driving the distance
};

// Reads the time worth, driving time, distance, driving cost, MPG and gas price boxes, in that
// order, and prices the trip.
TripCosts trip_costs(const FormState& s);

// The combined MPG, gas price and driving cost ($ a mile) boxes, as F01 and F01a show them.
std::vector<BoxDesc> cost_per_mile_boxes();

} // namespace milora::calc
