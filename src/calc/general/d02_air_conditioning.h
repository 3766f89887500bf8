// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What running the air conditioning costs in gas and carbon dioxide, per 1000 miles and per year.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_D02_Air_Conditioning();

} // namespace milora::calc
