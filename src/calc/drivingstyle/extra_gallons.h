// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The one formula of the two driving-style windows (smart city driving, steady highway speed).

namespace milora::calc {

// Extra gallons a year of a wasteful style that gets only `loss_factor` of the MPG:
// Y / (E x k) - Y / E, both quotients in extended precision, the difference stored as a single.
float extra_gallons(float yearly_miles, float mpg, double loss_factor);

} // namespace milora::calc
