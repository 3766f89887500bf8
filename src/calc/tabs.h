// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// One register function per main-window tab; each lives in its tab's folder.

#include "calc/registry.h"

namespace milora::calc {

void register_fillingup(CalculatorList& list);
void register_maintenance(CalculatorList& list);
void register_general(CalculatorList& list);
void register_drivingstyle(CalculatorList& list);
void register_drivinghabits(CalculatorList& list);

} // namespace milora::calc
