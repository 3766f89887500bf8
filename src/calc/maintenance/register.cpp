// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/tabs.h"

namespace milora::calc {

void register_maintenance(CalculatorList& list) {
    (void)list;
}

} // namespace milora::calc
