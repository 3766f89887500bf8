// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Measuring the MPG and yearly miles of a 1,000,000-entry log, once the log is read (the target
// is well under a second). Two shapes: every entry within the last year, so that the measure
// walks the whole log, and a fill-up a day over centuries, where only the last year is walked
// but the dates of the whole log are still looked at for their day-month order.

#include "mileage/measured.h"

#include <benchmark/benchmark.h>
#include <random>
#include <string>

using namespace milora;
using namespace milora::mileage;

namespace {

constexpr int kEntries = 1000000;

// `per_day` fill-ups on each day from 1 January of `first_year`, 250 to 350 miles and 8 to 13
// gallons each.
MileageLog generated_log(int per_day, int first_year) {
    std::mt19937 random(20060916);
    std::uniform_int_distribution<int> miles(250, 350);
    std::uniform_int_distribution<int> tenths(80, 130);
    MileageLog log;
    log.reserve(kEntries, static_cast<std::size_t>(kEntries) * 10);
    float odometer = 1000;
    int year = first_year;
    int day_of_year = 0;
    for (int i = 0; i < kEntries; ++i) {
        if (i > 0 && i % per_day == 0 && ++day_of_year == 360) {
            day_of_year = 0;
            ++year;
        }
        // Twelve months of 30 days, squeezed into 28 where a month is shorter.
        const std::string date = std::to_string(1 + day_of_year / 30) + "/" +
                                 std::to_string(1 + day_of_year % 30 * 28 / 30) + "/" +
                                 std::to_string(year);
        log.append(date, odometer, static_cast<float>(tenths(random)) / 10.0F);
        odometer += static_cast<float>(miles(random));
    }
    return log;
}

void BM_MeasureAllWithinAYear(benchmark::State& state) {
    const MileageLog log = generated_log(kEntries / 300 + 1, 2024);
    for (auto _ : state) {
        benchmark::DoNotOptimize(measure_log(log));
    }
}
BENCHMARK(BM_MeasureAllWithinAYear)->Unit(benchmark::kMillisecond);

void BM_MeasureCenturiesOfFillups(benchmark::State& state) {
    const MileageLog log = generated_log(1, 1000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(measure_log(log));
    }
}
BENCHMARK(BM_MeasureCenturiesOfFillups)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
