// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What the three tire windows (C01 to C03) share: the window frame with its result label and the
// boxes that they all ask for, each with its own tooltip.

#include "calc/window_description.h"

namespace milora::calc::maintenance {

// Every button but Calculate carries the same tooltip in the three tire windows.
WindowDescription tire_window(const char* window, const char* caption, const char* help,
                              const char* calculate_tooltip);
BoxDesc tire_mpg_box(const char* tooltip);
BoxDesc tire_gas_cost_box(const char* tooltip);
BoxDesc yearly_mileage_box(const char* tooltip);

} // namespace milora::calc::maintenance
