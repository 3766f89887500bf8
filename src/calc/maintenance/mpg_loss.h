// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The model behind the maintenance calculators: a fault (soft tires, a clogged filter, old oil, a
// bad sensor) leaves the car only a fraction of its MPG, and over a distance it burns the gallons
// at the lowered MPG less the gallons at the normal MPG. The extra gallons are worked out whole
// and stored as a single; the money and carbon dioxide follow from the stored gallons.

namespace milora::calc::maintenance {

// The fraction of its MPG a car keeps when it loses `percent` percent: 1 - percent / 100.
double mpg_kept(double percent);

// distance / (kept * mpg) - distance / mpg, stored as a single (a fault throws FloatFault).
float extra_gallons(double distance, float mpg, double kept);

struct MpgLoss {
    float gallons = 0;
    float cost = 0; // gallons * gas cost
    float co2 = 0;  // pounds: gallons * 19.564
};

// The extra gallons, then their cost, then their carbon dioxide, each stored as a single.
MpgLoss mpg_loss(double distance, float mpg, double kept, float gas_cost);

} // namespace milora::calc::maintenance
