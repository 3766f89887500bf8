// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What one of six aerodynamic changes saves on the highway, per 1000 miles and for some per year.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_D03_Aerodynamics();

} // namespace milora::calc
