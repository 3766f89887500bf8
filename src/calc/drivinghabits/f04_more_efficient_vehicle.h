// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What taking the more efficient of two cars saves in gas and carbon dioxide.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_F04_More_Efficient_Vehicle();

} // namespace milora::calc
