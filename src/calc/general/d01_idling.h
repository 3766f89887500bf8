// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What cutting out minutes of idling a day saves in a year, as a range from a low to a high
// estimate.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_D01_Idling();

} // namespace milora::calc
