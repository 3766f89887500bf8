// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/registry.h"

#include "calc/drivinghabits/f01_driving_less.h"
#include "calc/drivinghabits/f01a_miles_per_dollar.h"
#include "calc/drivinghabits/f02_cost_of_trip.h"
#include "calc/drivinghabits/f03_will_you_save.h"
#include "calc/drivinghabits/f04_more_efficient_vehicle.h"
#include "calc/drivingstyle/e01_city_driving_style.h"
#include "calc/drivingstyle/e02_gas_and_time_cost.h"
#include "calc/drivingstyle/e03_trip_cost.h"
#include "calc/drivingstyle/e04_yearly_highway_cost.h"
#include "calc/drivingstyle/e05_steady_driving.h"
#include "calc/fillingup/b01_how_much_do_you_spend_on_gas.h"
#include "calc/fillingup/b02_true_cost_of_gas.h"
#include "calc/fillingup/b03_expensive_vs_cheap.h"
#include "calc/fillingup/b04_gas_air_temp.h"
#include "calc/fillingup/b05_fillup_frequency.h"
#include "calc/fillingup/b06_gas_cap.h"
#include "calc/general/d01_idling.h"
#include "calc/general/d02_air_conditioning.h"
#include "calc/general/d03_aerodynamics.h"
#include "calc/general/d04_weight.h"
#include "calc/general/d05_headlights.h"
#include "calc/maintenance/c01_tire_pressure.h"
#include "calc/maintenance/c02_tire_alignment.h"
#include "calc/maintenance/c03_tire_tread.h"
#include "calc/maintenance/c04_radial_bias.h"
#include "calc/maintenance/c05_air_filter.h"
#include "calc/maintenance/c06_oil_change.h"
#include "calc/maintenance/c07_oil_thickness.h"
#include "calc/maintenance/c08_ecmo.h"
#include "calc/maintenance/c09_oxygen_sensor.h"

namespace milora::calc {

namespace {

using Maker = std::unique_ptr<Calculator> (*)();

// In the order the main window's tabs list them.
const std::vector<Maker>& makers() {
    static const std::vector<Maker> list = {
        // The Filling Up tab.
        make_B01_HowMuchDoYouSpendOnGas,
        make_B02_True_Cost_of_Gas,
        make_B03_Expensive_Vs_Cheap,
        make_B04_Gas_Air_Temp,
        make_B05_Fillup_Frequency,
        make_B06_Gas_Cap,
        // The Maintenance tab.
        make_C01_Tire_Pressure,
        make_C02_Tire_Alignment,
        make_C03_Tire_Tread,
        make_C04_Radial_Bias,
        make_C05_Air_Filter,
        make_C06_Oil_Change,
        make_C07_Oil_Thickness,
        make_C08_ECMO,
        make_C09_Oxygen_Sensor,
        // The General tab.
        make_D01_Idling,
        make_D02_Air_Conditioning,
        make_D03_Aerodynamics,
        make_D04_Weight,
        make_D05_Headlights,
        // The Driving Style tab.
        make_E01_City_Driving_Style,
        make_E02_Gas_And_Time_Cost,
        make_E03_Trip_Cost,
        make_E04_Yearly_Highway_Cost,
        make_E05_Steady_Driving,
        // The Driving Habits tab.
        make_F01_Driving_Less,
        make_F01a_Miles_Per_Dollar,
        make_F02_Cost_Of_Trip,
        make_F03_Will_You_Save,
        make_F04_More_Efficient_Vehicle,
    };
    return list;
}

} // namespace

const CalculatorList& calculators() {
    // Each calculator is known by the window name of its own description.
    static const CalculatorList list = [] {
        CalculatorList l;
        for (Maker make : makers()) {
            l.push_back({make()->description().window, make});
        }
        return l;
    }();
    return list;
}

const CalculatorEntry* find_calculator(std::string_view window) {
    for (const auto& e : calculators()) {
        if (e.window == window) {
            return &e;
        }
    }
    return nullptr;
}

} // namespace milora::calc
