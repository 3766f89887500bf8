// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What buying the cheaper grade or brand of gasoline saves over one and five years.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_B03_Expensive_Vs_Cheap();

} // namespace milora::calc
