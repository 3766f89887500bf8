// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Radial against bias ply tires: over the bias tires' life, the upfront saving of the bias tires
// against the gas they waste and their earlier replacement.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_C04_Radial_Bias();

} // namespace milora::calc
