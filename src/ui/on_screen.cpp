// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/on_screen.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace milora::ui {

namespace {

const QString kScrollName = QStringLiteral("WindowScroll");

// The smallest a window may be made in each direction: its own minimum where one is set, else
// what its layout needs.
QSize least_size(const QWidget* window) {
    const QSize hint = window->minimumSizeHint().expandedTo(QSize(0, 0));
    return {window->minimumWidth() > 0 ? window->minimumWidth() : hint.width(),
            window->minimumHeight() > 0 ? window->minimumHeight() : hint.height()};
}

// The window frame's share of the size (title bar and borders); nothing before the window system
// has framed the window.
QSize border_of(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return QSize(frame.width() - inner.width(), frame.height() - inner.height())
        .expandedTo(QSize(0, 0));
}

const QScreen* screen_of(const QWidget* window) {
    return window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
}

int scroll_bar_extent(const QWidget* window) {
    return window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
}

} // namespace

QRect centred_in(const QSize& wanted, const QSize& minimum, const QRect& room) {
    const QSize size = wanted.boundedTo(room.size()).expandedTo(minimum).expandedTo(QSize(1, 1));
    const int x = std::max(room.x(), room.x() + (room.width() - size.width()) / 2);
    const int y = std::max(room.y(), room.y() + (room.height() - size.height()) / 2);
    return {QPoint(x, y), size};
}

QRect moved_inside(const QRect& frame, const QRect& room) {
    QRect moved = frame;
    moved.moveRight(std::min(moved.right(), room.right()));
    moved.moveBottom(std::min(moved.bottom(), room.bottom()));
    moved.moveLeft(std::max(moved.left(), room.left()));
    moved.moveTop(std::max(moved.top(), room.top()));
    return moved;
}

QRect room_showing(const QRect& frame, const QList<QRect>& rooms) {
    // The title bar runs along the frame's top edge: enough of it to take hold of must be on a
    // screen, or the user could not move the window back.
    constexpr int kTitleHeight = 20;
    constexpr int kGrip = 60;
    const QRect title(frame.topLeft(), QSize(frame.width(), kTitleHeight));
    for (const QRect& room : rooms) {
        const QRect seen = title.intersected(room);
        if (!seen.isEmpty() && seen.width() >= std::min(kGrip, frame.width()) &&
            seen.top() == title.top()) {
            return room;
        }
    }
    return {};
}

QList<QRect> screen_rooms() {
    QList<QRect> rooms;
    for (const QScreen* s : QGuiApplication::screens()) {
        rooms.append(s->availableGeometry());
    }
    return rooms;
}

QWidget* content_page(QWidget* window) {
    auto* area = window->findChild<QScrollArea*>(kScrollName, Qt::FindDirectChildrenOnly);
    return area != nullptr && area->widget() != nullptr ? area->widget() : window;
}

QScrollArea* scroll_contents(QWidget* window) {
    if (auto* area = window->findChild<QScrollArea*>(kScrollName, Qt::FindDirectChildrenOnly)) {
        return area;
    }
    QLayout* layout = window->layout();
    if (layout == nullptr || qobject_cast<QMainWindow*>(window) != nullptr) {
        return nullptr;
    }
    const QSize needed = least_size(window).expandedTo(window->size());
    QWidget* focus = window->focusWidget();
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("WindowPage"));
    page->setLayout(layout); // takes the layout off the window, and its widgets with it
    page->setMinimumSize(least_size(window).expandedTo(layout->totalMinimumSize()));
    auto* area = new QScrollArea(window);
    area->setObjectName(kScrollName);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus); // the fields inside take the focus, not the scroller
    area->setWidgetResizable(true);
    area->setWidget(page);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area);
    // Room for a scroll bar beside and below the page; never larger than that.
    const int bar = scroll_bar_extent(window);
    const QSize most = window->maximumSize();
    window->setMinimumSize(needed.boundedTo(QSize(160, 120)));
    if (most.width() < QWIDGETSIZE_MAX || most.height() < QWIDGETSIZE_MAX) {
        window->setMaximumSize(
            (most + QSize(bar, bar)).boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
    }
    if (window->isVisible()) {
        area->show();
    }
    if (focus != nullptr) {
        focus->setFocus(Qt::OtherFocusReason);
    }
    return area;
}

void fit_in(QWidget* window, const QRect& room) {
    const QSize border = border_of(window);
    const QSize space = (room.size() - border).expandedTo(QSize(1, 1));
    QSize wanted = window->size().expandedTo(least_size(window));
    const QSize least = least_size(window);
    if (least.width() > space.width() || least.height() > space.height()) {
        if (scroll_contents(window) != nullptr) {
            // The page at its full size, with a scroll bar where a side is cut.
            const int bar = scroll_bar_extent(window);
            wanted += QSize(wanted.height() > space.height() ? bar : 0,
                            wanted.width() > space.width() ? bar : 0);
        }
    }
    const QSize size =
        wanted.boundedTo(space).expandedTo(least_size(window)).boundedTo(window->maximumSize());
    if (size != window->size()) {
        window->resize(size);
    }
}

void centre_on_screen(QWidget* window) {
    const QScreen* screen = screen_of(window);
    if (screen == nullptr) {
        return;
    }
    const QRect room = screen->availableGeometry();
    fit_in(window, room);
    const QSize border = border_of(window);
    const QRect frame = centred_in(window->size() + border, least_size(window) + border, room);
    window->move(frame.topLeft());
}

void keep_on_screen(QWidget* window) {
    const QScreen* s = screen_of(window);
    if (s == nullptr || !window->isVisible()) {
        return;
    }
    const QRect frame = window->frameGeometry();
    const QRect moved = moved_inside(frame, s->availableGeometry());
    if (moved.topLeft() != frame.topLeft()) {
        window->move(moved.topLeft());
    }
}

bool place_at_stored(QWidget* window, const QPoint& position) {
    const QSize border = border_of(window);
    const QRect room = room_showing(QRect(position, window->size() + border), screen_rooms());
    if (room.isEmpty()) {
        return false;
    }
    fit_in(window, room);
    window->move(moved_inside(QRect(position, window->size() + border), room).topLeft());
    return true;
}

} // namespace milora::ui
