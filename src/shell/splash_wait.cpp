// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "shell/splash_wait.h"

namespace milora {

long wait_processing_events(std::chrono::milliseconds span, const MonotonicNow& now,
                            const std::function<void()>& pump) {
    const auto start = now();
    long calls = 0;
    do {
        pump();
        ++calls;
    } while (now() - start < span);
    return calls;
}

} // namespace milora
