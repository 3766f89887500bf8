// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/application.h"

#include "calc/registry.h"
#include "ui/application_keyboard.h"
#include "ui/calculator_window.h"

#include <QCoreApplication>

namespace milora::ui {

Application::Application(const Services& services) : services_(services) {
    if (QCoreApplication* qapp = QCoreApplication::instance()) {
        keys_ = std::make_unique<KeyboardRules>();
        qapp->installEventFilter(keys_.get());
        announce_windows_as_windows();
    }
}

Application::~Application() = default;

QWidget* Application::open_calculator(const QString& window) {
    const calc::CalculatorEntry* entry = calc::find_calculator(window.toStdString());
    if (entry == nullptr) {
        return nullptr;
    }
    return windows_.open(
        window, [&] { return new CalculatorWindow(entry->make(), state_.car, services_); });
}

void Application::add_window_factory(const QString& window, WindowFactory make) {
    factories_[window] = std::move(make);
}

QWidget* Application::open_window(const QString& window) {
    if (const auto it = factories_.find(window); it != factories_.end()) {
        WindowFactory& make = it->second;
        return windows_.open(window, [&] { return make(*this); });
    }
    return open_calculator(window);
}

bool Application::can_open(const QString& window) const {
    return factories_.contains(window) || calc::find_calculator(window.toStdString()) != nullptr;
}

} // namespace milora::ui
