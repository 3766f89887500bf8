// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/general/d01_idling.h"
#include "calc/general/d02_air_conditioning.h"
#include "calc/general/d03_aerodynamics.h"
#include "calc/general/d04_weight.h"
#include "calc/general/d05_headlights.h"
#include "calc/tabs.h"

namespace milora::calc {

void register_general(CalculatorList& list) {
    list.push_back({"D01_Idling", make_D01_Idling});
    list.push_back({"D02_Air_Conditioning", make_D02_Air_Conditioning});
    list.push_back({"D03_Aerodynamics", make_D03_Aerodynamics});
    list.push_back({"D04_Weight", make_D04_Weight});
    list.push_back({"D05_Headlights", make_D05_Headlights});
}

} // namespace milora::calc
