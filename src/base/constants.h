// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Facts that the calculators and the mileage tracker share.

namespace milora {

// Pounds of carbon dioxide from burning one gallon of gasoline.
inline constexpr double kCo2PerGallon = 19.564;

// Said when the numbers of a calculation or a log overflow or divide by zero.
inline constexpr const char* kFaultMessage =
    "These numbers give no meaningful result (the calculation overflows or divides by zero). "
    "Please check the numbers you entered.";

// Said when a box is given a positive number above the largest a single holds.
inline constexpr const char* kTooLargeMessage =
    "This number is too large for the calculation. Please enter a number below 3.402823E+38.";

} // namespace milora
