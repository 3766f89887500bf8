// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The splash wait: keeps processing window events until a span of monotonic time has passed.
// The clock is injected so that tests can drive it; a monotonic clock is unaffected by midnight
// or by a change of the wall-clock time.

#include <chrono>
#include <functional>

namespace milora {

using MonotonicNow = std::function<std::chrono::steady_clock::time_point()>;

// Calls `pump` at least once, and again until `span` has elapsed on `now`. Returns the number of
// pump calls.
long wait_processing_events(std::chrono::milliseconds span, const MonotonicNow& now,
                            const std::function<void()>& pump);

inline constexpr std::chrono::milliseconds kSplashTime{3000};

} // namespace milora
