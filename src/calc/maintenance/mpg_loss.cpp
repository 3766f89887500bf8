// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/mpg_loss.h"

#include "calc/constants.h"
#include "numbers/precision.h"

namespace milora::calc::maintenance {

using numbers::single;

double mpg_kept(double percent) {
    return 1 - percent / 100;
}

float extra_gallons(double distance, float mpg, double kept) {
    return single(distance / (kept * mpg) - distance / mpg);
}

MpgLoss mpg_loss(double distance, float mpg, double kept, float gas_cost) {
    MpgLoss loss;
    loss.gallons = extra_gallons(distance, mpg, kept);
    loss.cost = single(double{loss.gallons} * gas_cost);
    loss.co2 = single(double{loss.gallons} * kCo2PerGallon);
    return loss;
}

} // namespace milora::calc::maintenance
