// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivinghabits/f01_driving_less.h"
#include "calc/drivinghabits/f01a_miles_per_dollar.h"
#include "calc/drivinghabits/f02_cost_of_trip.h"
#include "calc/drivinghabits/f03_will_you_save.h"
#include "calc/drivinghabits/f04_more_efficient_vehicle.h"
#include "calc/tabs.h"

namespace milora::calc {

void register_drivinghabits(CalculatorList& list) {
    list.push_back({"F01_Driving_Less", make_F01_Driving_Less});
    list.push_back({"F01a_Miles_Per_Dollar", make_F01a_Miles_Per_Dollar});
    list.push_back({"F02_Cost_Of_Trip", make_F02_Cost_Of_Trip});
    list.push_back({"F03_Will_You_Save", make_F03_Will_You_Save});
    list.push_back({"F04_More_Efficient_Vehicle", make_F04_More_Efficient_Vehicle});
}

} // namespace milora::calc
