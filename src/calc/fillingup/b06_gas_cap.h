// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What a missing gas cap costs a year in evaporated gas.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_B06_Gas_Cap();

} // namespace milora::calc
