// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

#include "base/constants.h"

namespace milora::calc {

// The figure the two highway cost grids use instead of kCo2PerGallon.
inline constexpr double kCo2PerGallonGrid = 19.7;

} // namespace milora::calc
