// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/application.h"

#include "base/shown_text.h"
#include "calc/registry.h"
#include "ui/application_keyboard.h"
#include "ui/calculator_window.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdio>
#include <exception>
#include <new>

namespace milora::ui {

Application::Application(const Services& services) : services_(services) {
    if (QCoreApplication* qapp = QCoreApplication::instance()) {
        keys_ = std::make_unique<KeyboardRules>();
        qapp->installEventFilter(keys_.get());
        announce_windows_as_windows();
    }
}

Application::~Application() = default;

Message fault_message(const std::string& what) {
    return {kProgramTitle,
            "An error inside Milora stopped the last step (" + shown_text(what, 200) +
                "). Milora goes on; please check what the window shows before relying on it.",
            Icon::Critical, Buttons::Ok};
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        throw; // there is no memory left to report it with
    } catch (const std::exception& e) {
        report_fault(receiver, e.what());
    } catch (...) {
        report_fault(receiver, "an unknown error");
    }
    return false;
}

void GuardedApplication::report_fault(QObject* receiver, const std::string& what) {
    const Message m = fault_message(what);
    std::fprintf(stderr, "%s: %s\n", m.title.c_str(), m.text.c_str());
    // The message box runs its own event loop; a fault while it is open is only written down.
    if (messages_ == nullptr || reporting_) {
        return;
    }
    struct Reporting {
        bool& flag;
        explicit Reporting(bool& f) : flag(f) { flag = true; }
        ~Reporting() { flag = false; }
    } reporting(reporting_);
    auto* widget = qobject_cast<QWidget*>(receiver);
    messages_->show(widget != nullptr ? widget->window() : nullptr, m);
}

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
