// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/e01_city_driving_style.h"
#include "calc/drivingstyle/e02_gas_and_time_cost.h"
#include "calc/drivingstyle/e03_trip_cost.h"
#include "calc/drivingstyle/e04_yearly_highway_cost.h"
#include "calc/drivingstyle/e05_steady_driving.h"
#include "calc/tabs.h"

namespace milora::calc {

void register_drivingstyle(CalculatorList& list) {
    list.push_back({"E01_City_Driving_Style", make_E01_City_Driving_Style});
    list.push_back({"E02_Gas_And_Time_Cost", make_E02_Gas_And_Time_Cost});
    list.push_back({"E03_Trip_Cost", make_E03_Trip_Cost});
    list.push_back({"E04_Yearly_Highway_Cost", make_E04_Yearly_Highway_Cost});
    list.push_back({"E05_Steady_Driving", make_E05_Steady_Driving});
}

} // namespace milora::calc
