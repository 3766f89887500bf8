// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A year of highway driving at nine average speeds: travel time, time saved (also as minutes a
// day), extra gas money, money per hour saved and extra carbon dioxide, against the base speed.

#include "calc/calculator.h"

#include <memory>

namespace milora::calc {

std::unique_ptr<Calculator> make_E04_Yearly_Highway_Cost();

} // namespace milora::calc
