// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/condition_miles.h"

#include "numbers/precision.h"

namespace milora::calc {

using numbers::single;

float condition_miles(float yearly_miles, const TaggedPercent& percent) {
    if (percent.is_single()) {
        const float product = single(double{yearly_miles} * percent.as_single());
        return single(double{product} / 100);
    }
    return single(double{yearly_miles} * percent.value() / 100);
}

} // namespace milora::calc
