// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Every window that a row of the main window opens, by window name: the calculators of the
// registry, the Data Settings window and the mileage tracker. Each entry's caption and help topic
// are read from the window's own home (a calculator's description, the Data Settings model, the
// tracker), never written here again.

#include <string>
#include <string_view>
#include <vector>

namespace milora::shell {

enum class WindowKind { Calculator, DataSettings, Tracker };

struct CatalogueEntry {
    std::string window; // the window name: registry key and objectName
    std::string caption;
    std::string help_topic;
    WindowKind kind;
};

// The Data Settings window, then the calculators in the order the tabs list them, then the
// tracker.
const std::vector<CatalogueEntry>& window_catalogue();
// Nothing for a name that no window has.
const CatalogueEntry* find_window(std::string_view window);

} // namespace milora::shell
