// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// One highway trip at nine speeds: time, time saved, extra gas money, money per hour saved and
// extra carbon dioxide, against the chosen base speed.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_E03_Trip_Cost();

} // namespace milora::calc
