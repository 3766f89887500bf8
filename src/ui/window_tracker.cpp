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

void centre_on_screen(QWidget* window) {
    const QScreen* screen =
        window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // Inside the free area of the screen (without panels and docks), the frame included; a window
    // larger than that shrinks as far as its minimum allows, and never starts above or left of
    // the area, so that its title bar and menus stay reachable.
    const QRect room = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    const QSize border(frame.width() - inner.width(), frame.height() - inner.height());
    const QSize most = (room.size() - border).expandedTo(QSize(1, 1));
    if (inner.width() > most.width() || inner.height() > most.height()) {
        window->resize(inner.size().boundedTo(most).expandedTo(window->minimumSize()));
    }
    const QSize outer = window->size() + border;
    window->move(std::max(room.x(), room.x() + (room.width() - outer.width()) / 2),
                 std::max(room.y(), room.y() + (room.height() - outer.height()) / 2));
}

void keep_on_screen(QWidget* window) {
    const QScreen* s =
        window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (s == nullptr || !window->isVisible()) {
        return;
    }
    const QRect room = s->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
    if (frame.topLeft() != window->frameGeometry().topLeft()) {
        window->move(frame.topLeft());
    }
}

} // namespace milora::ui
