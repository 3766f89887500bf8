// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

namespace milora::calc {

// Pounds of carbon dioxide from burning one gallon of gasoline.
inline constexpr double kCo2PerGallon = 19.564;
// The figure the two highway cost grids use instead.
inline constexpr double kCo2PerGallonGrid = 19.7;

} // namespace milora::calc
