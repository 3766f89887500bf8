// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/fillingup/b01_yearly_spending.h"
#include "calc/fillingup/b02_true_cost_of_gas.h"
#include "calc/fillingup/b03_expensive_vs_cheap.h"
#include "calc/fillingup/b04_gas_air_temp.h"
#include "calc/fillingup/b05_fillup_frequency.h"
#include "calc/fillingup/b06_gas_cap.h"
#include "calc/tabs.h"

namespace milora::calc {

void register_fillingup(CalculatorList& list) {
    list.push_back({"B01_HowMuchDoYouSpendOnGas", make_B01_HowMuchDoYouSpendOnGas});
    list.push_back({"B02_True_Cost_of_Gas", make_B02_True_Cost_of_Gas});
    list.push_back({"B03_Expensive_Vs_Cheap", make_B03_Expensive_Vs_Cheap});
    list.push_back({"B04_Gas_Air_Temp", make_B04_Gas_Air_Temp});
    list.push_back({"B05_Fillup_Frequency", make_B05_Fillup_Frequency});
    list.push_back({"B06_Gas_Cap", make_B06_Gas_Cap});
}

} // namespace milora::calc
