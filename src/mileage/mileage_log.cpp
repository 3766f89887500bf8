// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/mileage_log.h"

#include "numbers/precision.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace milora::mileage {

void MileageLog::append(std::string_view date, float odometer, float gallons) {
    Stored f;
    f.odometer = numbers::checked(odometer);
    f.gallons = numbers::checked(gallons);
    float total = gallons_after_first_;
    const Index n = fillup_count() + 1;
    if (n >= 2) {
        total = numbers::checked(gallons_after_first_ + gallons);
        f.tank = numbers::checked((odometer - stored_.back().odometer) / gallons);
        f.overall = numbers::checked((odometer - stored_.front().odometer) / total);
        // Up to five tanks back: the odometer k fill-ups ago and the gallons bought since.
        const Index k = std::min<Index>(n - 1, 5);
        float sum = 0;
        for (Index j = n - k + 1; j < n; ++j) {
            sum += this->gallons(j);
        }
        sum += gallons;
        f.five_tank = numbers::checked((odometer - this->odometer(n - k)) / sum);
    }
    if (dates_.size() + date.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("the dates of the mileage log are too long");
    }
    f.date_at = static_cast<std::uint32_t>(dates_.size());
    f.date_size = static_cast<std::uint32_t>(date.size());
    stored_.push_back(f);
    dates_.append(date);
    gallons_after_first_ = total;
}

void MileageLog::clear() {
    stored_.clear();
    dates_.clear();
    gallons_after_first_ = 0;
}

void MileageLog::reserve(Index count, std::size_t date_bytes) {
    stored_.reserve(static_cast<std::size_t>(count));
    dates_.reserve(date_bytes);
}

Fillup MileageLog::unpack(const Stored& s) const {
    Fillup f;
    f.Fillup_Date.assign(dates_, s.date_at, s.date_size);
    f.Fillup_Odometer = s.odometer;
    f.Fillup_Gallons = s.gallons;
    f.Tank_MPG = s.tank;
    f.Overall_MPG = s.overall;
    f.Five_Tank_MPG = s.five_tank;
    return f;
}

float MileageLog::overall_average() const {
    if (fillup_count() < 2) {
        throw std::logic_error("the overall average needs two entries");
    }
    return (stored_.back().odometer - stored_.front().odometer) / gallons_after_first_;
}

} // namespace milora::mileage
