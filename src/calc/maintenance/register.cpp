// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/c04_radial_bias.h"
#include "calc/maintenance/c09_oxygen_sensor.h"
#include "calc/maintenance/engine_care_calculators.h"
#include "calc/maintenance/tire_calculators.h"
#include "calc/tabs.h"

namespace milora::calc {

void register_maintenance(CalculatorList& list) {
    list.push_back({"C01_Tire_Pressure", make_C01_Tire_Pressure});
    list.push_back({"C02_Tire_Alignment", make_C02_Tire_Alignment});
    list.push_back({"C03_Tire_Tread", make_C03_Tire_Tread});
    list.push_back({"C04_Radial_Bias", make_C04_Radial_Bias});
    list.push_back({"C05_Air_Filter", make_C05_Air_Filter});
    list.push_back({"C06_Oil_Change", make_C06_Oil_Change});
    list.push_back({"C07_Oil_Thickness", make_C07_Oil_Thickness});
    list.push_back({"C08_ECMO", make_C08_ECMO});
    list.push_back({"C09_Oxygen_Sensor", make_C09_Oxygen_Sensor});
}

} // namespace milora::calc
