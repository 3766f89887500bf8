// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/fillingup/b01_yearly_spending.h"
#include "calc/tabs.h"

namespace milora::calc {

void register_fillingup(CalculatorList& list) {
    list.push_back({"B01_HowMuchDoYouSpendOnGas", make_B01_HowMuchDoYouSpendOnGas});
}

} // namespace milora::calc
