// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/window_tracker.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace milora::ui {

QWidget* WindowTracker::find(const QString& name) const {
    for (const auto& e : windows_) {
        if (e.name == name && e.window) {
            return e.window;
        }
    }
    return nullptr;
}

QWidget* WindowTracker::open(const QString& name, const Factory& make) {
    std::erase_if(windows_, [](const Entry& e) { return e.window.isNull(); });
    if (QWidget* w = find(name)) {
        if (w->isMinimized()) {
            w->showNormal();
        }
        w->show();
        w->raise();
        w->activateWindow();
        return w;
    }
    QWidget* w = make();
    if (w == nullptr) {
        return nullptr;
    }
    w->setAttribute(Qt::WA_DeleteOnClose);
    windows_.push_back({name, w});
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

bool WindowTracker::close_all() {
    // Newest first; a window may refuse (asking to save), then it stays.
    bool all_closed = true;
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (it->window && !it->window->close()) {
            all_closed = false;
        }
    }
    std::erase_if(windows_, [](const Entry& e) { return e.window.isNull(); });
    return all_closed;
}

int WindowTracker::count() const {
    return static_cast<int>(std::count_if(windows_.begin(), windows_.end(),
                                          [](const Entry& e) { return !e.window.isNull(); }));
}

} // namespace milora::ui
