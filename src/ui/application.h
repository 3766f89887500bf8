// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What the running program owns: the program state (car data and the values beside it), the
// platform services, and the set of open windows. Windows are handed this object; tests make
// their own with fake services.

#include "base/car_data.h"
#include "ui/services.h"
#include "ui/window_tracker.h"

#include <QApplication>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace milora::ui {

class KeyboardRules;
// The Qt application of the program. A step that throws out of a slot or an event handler (a
// misspelt label name, say) does not end the program: the fault is reported through the message
// service and the event loop goes on. Only running out of memory still ends it.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    // Where faults are reported; without one they go to stderr only.
    void report_faults_to(MessageService* messages) { messages_ = messages; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void report_fault(QObject* receiver, const std::string& what);

    MessageService* messages_ = nullptr;
    bool reporting_ = false;
};

// What the user is told about a step that stopped on a fault inside the program.
Message fault_message(const std::string& what);

class Application {
public:
    // Also sets the keyboard rules and window roles of application_keyboard.h for every window,
    // while this object lives.
    explicit Application(const Services& services);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    ProgramState& state() { return state_; }
    const Services& services() const { return services_; }
    WindowTracker& windows() { return windows_; }

    // Opens the calculator of that window name, at most once; null for an unknown name.
    QWidget* open_calculator(const QString& window);

    // Windows that are not calculators (Data Settings, the mileage tracker) are made by factories
    // that start-up registers under their window names.
    using WindowFactory = std::function<QWidget*(Application&)>;
    void add_window_factory(const QString& window, WindowFactory make);
    // Opens any window by name, calculators included, at most once; null for an unknown name.
    QWidget* open_window(const QString& window);
    bool can_open(const QString& window) const;

private:
    std::map<QString, WindowFactory> factories_;
    ProgramState state_;
    Services services_;
    WindowTracker windows_;
    std::unique_ptr<KeyboardRules> keys_;
};

} // namespace milora::ui
