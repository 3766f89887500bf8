// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Small logs that the mileage tests share.

#include "mileage/mileage_log.h"

#include <initializer_list>
#include <string>

namespace milora::test {

struct Row {
    std::string date;
    float odometer;
    float gallons;
};

inline mileage::MileageLog make_log(std::initializer_list<Row> rows) {
    mileage::MileageLog log;
    for (const Row& r : rows) {
        log.append(r.date, r.odometer, r.gallons);
    }
    return log;
}

// Six fill-ups 300 miles and 10 gallons apart: every MPG is 30.
inline mileage::MileageLog six_entry_log() {
    return make_log({{"9/16/2006", 1000, 10},
                     {"9/23/2006", 1300, 10},
                     {"9/30/2006", 1600, 10},
                     {"10/7/2006", 1900, 10},
                     {"10/14/2006", 2200, 10},
                     {"10/21/2006", 2500, 10}});
}

} // namespace milora::test
