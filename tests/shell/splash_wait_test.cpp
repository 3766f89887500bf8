// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "shell/splash_wait.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

// A clock that moves forward by `step` at every pump.
struct FakeClock {
    steady_clock::time_point t;
    milliseconds step;
    steady_clock::time_point now() const { return t; }
    void pump() { t += step; }
};

} // namespace

TEST(SplashWait, ProcessesEventsForThreeSecondsOfMonotonicTime) {
    FakeClock c{steady_clock::time_point{} + hours(23) + minutes(59) + seconds(59),
                milliseconds(10)};
    const auto start = c.t;
    const long pumps = milora::wait_processing_events(
        milora::kSplashTime, [&] { return c.now(); }, [&] { c.pump(); });
    EXPECT_EQ(pumps, 300);
    EXPECT_EQ(c.t - start, milliseconds(3000));
}

TEST(SplashWait, PumpsAtLeastOnceAndStopsOnTheFirstLateReading) {
    FakeClock c{steady_clock::time_point{}, milliseconds(5000)};
    EXPECT_EQ(milora::wait_processing_events(
                  milora::kSplashTime, [&] { return c.now(); }, [&] { c.pump(); }),
              1);
}
