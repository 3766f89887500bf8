// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Reading 100,000 fill-ups through the one mileage reader: Milora's own file against the same
// history as a Fuelly export (17 columns, newest first), a Fuelio backup (sections, newest first,
// km and litres) and a Spritmonitor file (decimal comma). An export must read within twice the
// time of Milora's own file of the same length.

#include "mileage/fuel_import.h"

#include <benchmark/benchmark.h>
#include <random>
#include <string>
#include <vector>

using namespace milora::mileage;

namespace {

constexpr int kRows = 100000;

struct Fill {
    int year, month, day;
    long odometer;
    int tenths; // gallons x 10
};

const std::vector<Fill>& history() {
    static const std::vector<Fill> fills = [] {
        std::mt19937 random(20060916);
        std::uniform_int_distribution<int> miles(250, 350);
        std::uniform_int_distribution<int> tenths(80, 130);
        std::vector<Fill> out;
        long odometer = 1000;
        for (int i = 0; i < kRows; ++i) {
            out.push_back({1900 + i / 300, 1 + i % 12, 1 + i % 28, odometer, tenths(random)});
            odometer += miles(random);
        }
        return out;
    }();
    return fills;
}

std::string decimal(int tenths, char point) {
    return std::to_string(tenths / 10) + point + std::to_string(tenths % 10);
}

std::string two(int v) {
    return (v < 10 ? "0" : "") + std::to_string(v);
}

std::string milora_file() {
    std::string t;
    for (const Fill& f : history()) {
        t += "\"" + std::to_string(f.month) + "/" + std::to_string(f.day) + "/" +
             std::to_string(f.year) + "\"," + std::to_string(f.odometer) + "," +
             decimal(f.tenths, '.') + "\r\n";
    }
    return t;
}

std::string fuelly_file() {
    std::string t = "car_name, model, mpg, odometer, miles, gallons, price, city_percentage, "
                    "fuelup_date, date_added, tags, notes, missed_fuelup, partial_fuelup, "
                    "latitude, longitude, brand\n";
    const auto& h = history();
    for (auto it = h.rbegin(); it != h.rend(); ++it) {
        const std::string date =
            std::to_string(it->year) + "-" + two(it->month) + "-" + two(it->day);
        t += "Wagon, Wagon, 30.1, " + std::to_string(it->odometer) + ", 300, " +
             decimal(it->tenths, '.') + ", 3.19, 50, " + date + ", " + date +
             " 18:00:00, , , 0, 0, , , Shell\n";
    }
    return t;
}

std::string fuelio_file() {
    std::string t = "\"## Vehicle\"\n\"Name\",\"Description\"\n\"Van\",\"\"\n\"## Log\"\n"
                    "\"Data\",\"Odo (km)\",\"Fuel (litres)\",\"Full\",\"Price (optional)\","
                    "\"l/100km (optional)\",\"Notes (optional)\",\"Missed\"\n";
    const auto& h = history();
    for (auto it = h.rbegin(); it != h.rend(); ++it) {
        t += "\"" + std::to_string(it->year) + "-" + two(it->month) + "-" + two(it->day) +
             " 12:00\",\"" + std::to_string(it->odometer) + "\",\"" + decimal(it->tenths * 4, '.') +
             "\",\"1\",\"70.00\",\"7.1\",\"\",\"0\"\n";
    }
    return t;
}

std::string spritmonitor_file() {
    std::string t = "Datum;Km-Stand;Teil-Km;Spritmenge;Kosten;W\xC3\xA4hrung;Tankart;Reifen;"
                    "Strecken;Fahrweise;Kraftstoff;Bemerkung;Verbrauch\n";
    for (const Fill& f : history()) {
        t += two(f.day) + "." + two(f.month) + "." + std::to_string(f.year) + ";" +
             std::to_string(f.odometer) + ";300;" + decimal(f.tenths * 4, ',') +
             ";70,00;EUR;1;1;1;2;Super;;6,5\n";
    }
    return t;
}

void read(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        MileageLog log;
        const LogRead r = read_log_text(text, log);
        if (!r.understood || log.Fillup_Count() != kRows) {
            state.SkipWithError("the generated file did not read whole");
        }
        benchmark::DoNotOptimize(log);
    }
}

void BM_ReadMilora(benchmark::State& state) {
    static const std::string text = milora_file();
    read(state, text);
}
BENCHMARK(BM_ReadMilora)->Unit(benchmark::kMillisecond);

void BM_ReadFuellyNewestFirst(benchmark::State& state) {
    static const std::string text = fuelly_file();
    read(state, text);
}
BENCHMARK(BM_ReadFuellyNewestFirst)->Unit(benchmark::kMillisecond);

void BM_ReadFuelioNewestFirst(benchmark::State& state) {
    static const std::string text = fuelio_file();
    read(state, text);
}
BENCHMARK(BM_ReadFuelioNewestFirst)->Unit(benchmark::kMillisecond);

void BM_ReadSpritmonitor(benchmark::State& state) {
    static const std::string text = spritmonitor_file();
    read(state, text);
}
BENCHMARK(BM_ReadSpritmonitor)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
