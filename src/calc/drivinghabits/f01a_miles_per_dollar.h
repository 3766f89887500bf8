// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Miles per dollar of gas and of all driving costs.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_F01a_Miles_Per_Dollar();

} // namespace milora::calc
