// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

#include "base/car_data.h"

namespace milora::calc {

// The yearly miles driven in one condition (city or highway): miles x percent / 100, held as a
// single. The arithmetic runs at the precision the percentage holds: in double for the built-in
// default, in single (the product stored, then the quotient) once the car data has been set.
float condition_miles(float yearly_miles, const TaggedPercent& percent);

} // namespace milora::calc
