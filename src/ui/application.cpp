// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/application.h"

#include "calc/registry.h"
#include "ui/calculator_window.h"

namespace milora::ui {

QWidget* Application::open_calculator(const QString& window) {
    const calc::CalculatorEntry* entry = calc::find_calculator(window.toStdString());
    if (entry == nullptr) {
        return nullptr;
    }
    return windows_.open(
        window, [&] { return new CalculatorWindow(entry->make(), state_.car, services_); });
}

} // namespace milora::ui
