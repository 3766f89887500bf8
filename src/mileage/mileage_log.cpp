// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/mileage_log.h"

#include "numbers/precision.h"

#include <algorithm>
#include <stdexcept>

namespace milora::mileage {

void MileageLog::append(std::string date, float odometer, float gallons) {
    Fillup f;
    f.Fillup_Date = std::move(date);
    f.Fillup_Odometer = numbers::checked(odometer);
    f.Fillup_Gallons = numbers::checked(gallons);
    float total = gallons_after_first_;
    const Index n = fillup_count() + 1;
    if (n >= 2) {
        total = numbers::checked(gallons_after_first_ + gallons);
        f.Tank_MPG = numbers::checked((odometer - last().Fillup_Odometer) / gallons);
        f.Overall_MPG = numbers::checked((odometer - entries_.front().Fillup_Odometer) / total);
        // Up to five tanks back: the odometer k fill-ups ago and the gallons bought since.
        const Index k = std::min<Index>(n - 1, 5);
        float sum = 0;
        for (Index j = n - k + 1; j < n; ++j) {
            sum += entry(j).Fillup_Gallons;
        }
        sum += gallons;
        f.Five_Tank_MPG = numbers::checked((odometer - entry(n - k).Fillup_Odometer) / sum);
    }
    entries_.push_back(std::move(f));
    gallons_after_first_ = total;
}

void MileageLog::clear() {
    entries_.clear();
    gallons_after_first_ = 0;
}

float MileageLog::overall_average() const {
    if (fillup_count() < 2) {
        throw std::logic_error("the overall average needs two entries");
    }
    return (last().Fillup_Odometer - entries_.front().Fillup_Odometer) / gallons_after_first_;
}

} // namespace milora::mileage
