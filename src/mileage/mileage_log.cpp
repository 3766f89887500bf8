// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/mileage_log.h"

#include "numbers/precision.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace milora::mileage {

void MileageLog::derive(std::vector<Stored>& s, std::size_t at, float& total) {
    Stored& f = s[at];
    f.odometer = numbers::checked(f.odometer);
    f.gallons = numbers::checked(f.gallons);
    f.tank = f.overall = f.five_tank = 0;
    if (at == 0) {
        return;
    }
    total = numbers::checked(total + f.gallons);
    f.tank = numbers::checked((f.odometer - s[at - 1].odometer) / f.gallons);
    f.overall = numbers::checked((f.odometer - s.front().odometer) / total);
    // Up to five tanks back: the odometer k fill-ups ago and the gallons bought since, added in
    // entry order and this fill-up's last.
    const std::size_t k = std::min<std::size_t>(at, 5);
    float sum = 0;
    for (std::size_t j = at - k + 1; j < at; ++j) {
        sum += s[j].gallons;
    }
    sum += f.gallons;
    f.five_tank = numbers::checked((f.odometer - s[at - k].odometer) / sum);
}

void MileageLog::append(std::string_view date, float odometer, float gallons) {
    if (dates_.size() + date.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("the dates of the mileage log are too long");
    }
    Stored f;
    f.odometer = odometer;
    f.gallons = gallons;
    f.date_at = static_cast<std::uint32_t>(dates_.size());
    f.date_size = static_cast<std::uint32_t>(date.size());
    stored_.push_back(f);
    float total = gallons_after_first_;
    try {
        derive(stored_, stored_.size() - 1, total);
    } catch (...) {
        stored_.pop_back();
        throw;
    }
    dates_.append(date);
    gallons_after_first_ = total;
}

MileageLog::Stored MileageLog::pack(const Fillup& f) {
    if (dates_.size() + f.Fillup_Date.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("the dates of the mileage log are too long");
    }
    Stored s;
    s.date_at = static_cast<std::uint32_t>(dates_.size());
    s.date_size = static_cast<std::uint32_t>(f.Fillup_Date.size());
    s.odometer = f.Fillup_Odometer;
    s.gallons = f.Fillup_Gallons;
    // The date joins the shared buffer now; should the change be refused, it stays there unused.
    dates_.append(f.Fillup_Date);
    return s;
}

void MileageLog::rederive(std::vector<Stored> s) {
    float total = 0;
    for (std::size_t at = 0; at < s.size(); ++at) {
        derive(s, at, total);
    }
    stored_ = std::move(s);
    gallons_after_first_ = total;
}

void MileageLog::erase(Index i) {
    if (i < 1 || i > fillup_count()) {
        throw std::out_of_range("no such entry in the mileage log");
    }
    std::vector<Stored> s = stored_;
    s.erase(s.begin() + (i - 1));
    rederive(std::move(s));
}

void MileageLog::insert(Index i, const Fillup& f) {
    if (i < 1 || i > fillup_count() + 1) {
        throw std::out_of_range("no such place in the mileage log");
    }
    std::vector<Stored> s;
    s.reserve(stored_.size() + 1);
    s = stored_;
    s.insert(s.begin() + (i - 1), pack(f));
    rederive(std::move(s));
}

void MileageLog::replace(Index i, const Fillup& f) {
    std::vector<Stored> s = stored_;
    s.at(static_cast<std::size_t>(i - 1)) = pack(f);
    rederive(std::move(s));
}

void MileageLog::pop_back() {
    // The entries before the last keep their values: only the running total goes back.
    stored_.pop_back();
    float total = 0;
    for (std::size_t at = 1; at < stored_.size(); ++at) {
        total += stored_[at].gallons;
    }
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
