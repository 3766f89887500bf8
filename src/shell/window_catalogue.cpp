// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "shell/window_catalogue.h"

#include "calc/registry.h"
#include "cardata/data_settings.h"
#include "mileage/mileage_tracker.h"

namespace milora::shell {

const std::vector<CatalogueEntry>& window_catalogue() {
    static const std::vector<CatalogueEntry> catalogue = [] {
        std::vector<CatalogueEntry> c;
        c.push_back({cardata::kWindowName, cardata::kCaption, cardata::kHelpTopic,
                     WindowKind::DataSettings});
        for (const calc::CalculatorEntry& e : calc::calculators()) {
            const calc::WindowDescription& d = e.make()->description();
            c.push_back({e.window, d.caption, d.help_topic, WindowKind::Calculator});
        }
        c.push_back({mileage::kTrackerWindow, mileage::kTrackerCaption, mileage::kHelpTopic,
                     WindowKind::Tracker});
        return c;
    }();
    return catalogue;
}

const CatalogueEntry* find_window(std::string_view window) {
    for (const CatalogueEntry& e : window_catalogue()) {
        if (e.window == window) {
            return &e;
        }
    }
    return nullptr;
}

} // namespace milora::shell
