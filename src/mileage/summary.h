// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The summary that replaces the tracker's list: miles, gallons, overall MPG, carbon dioxide, and
// the highest and lowest tank and five-tank MPG with the dates of their entries. Entry 1 only
// fills the tank the log starts from, so its gallons and MPG take no part.

#include "base/message.h"
#include "mileage/mileage_log.h"
#include "mileage/units.h"

#include <optional>
#include <string>

namespace milora::mileage {

// The text, lines ended by CR LF; nullopt for a log of fewer than two entries. In other units
// than miles and US gallons the figures are converted and named; the carbon dioxide stays in
// pounds. With litres per 100 km the best tank is the one of the fewest litres.
std::optional<std::string> summary_text(const MileageLog& log, Units units = Units::UsMpg);

Message summary_needs_two();

} // namespace milora::mileage
