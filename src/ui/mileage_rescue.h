// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The rescue of unsaved mileage logs: when the program goes down on an error, the unsaved log of
// an open tracker is written to rescue_path(), and the next tracker opened says so and keeps the
// file under a name of its own.

#include "base/message.h"
#include "mileage/mileage_tracker.h"

#include <QString>
#include <optional>
#include <string>

namespace milora::ui {

QString rescue_path();

// The trackers whose logs are rescued; the first one registered also installs the rescue on
// std::terminate.
void watch_for_rescue(const mileage::MileageTracker* tracker);
void stop_watching_for_rescue(const mileage::MileageTracker* tracker);

// Writes the unsaved log of every watched tracker; true when a log was written.
bool save_unsaved_logs() noexcept;

// When the program runs out of memory and must stop: the unsaved logs are rescued, and the
// returned text tells the user what happened and where they went.
std::string rescue_on_out_of_memory() noexcept;

// When a log was rescued last time: moves it to a name of its own and returns what to tell the
// user.
std::optional<Message> take_rescued_log();

} // namespace milora::ui
