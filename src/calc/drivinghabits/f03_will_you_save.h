// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Whether a trip made to save money still saves once its gas, mileage and time costs count.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_F03_Will_You_Save();

} // namespace milora::calc
