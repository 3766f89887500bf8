// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Keeping windows on screen. A window opens inside the free area of its screen (without panels
// and docks), shrinking as far as its minimum allows; where even its minimum does not fit, its
// contents scroll. A remembered position is used only while a screen still shows it.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QScrollArea;
class QWidget;

namespace milora::ui {

// The frame of a window that would like `wanted` and can be no smaller than `minimum` (both frame
// sizes), placed in the middle of `room`: shrunk to fit where it can, and never starting above or
// left of `room`, so that its title bar stays reachable.
QRect centred_in(const QSize& wanted, const QSize& minimum, const QRect& room);
// `frame` moved (not resized) as little as possible to lie inside `room`; where it is larger than
// `room`, its top-left corner is at the top-left of `room`.
QRect moved_inside(const QRect& frame, const QRect& room);
// The free area in which a window with this frame can be reached by its title bar: the first of
// `rooms` that holds enough of the frame's top edge; an empty QRect where none does.
QRect room_showing(const QRect& frame, const QList<QRect>& rooms);
// The free areas of every screen.
QList<QRect> screen_rooms();

// Places a top-level window in the middle of the free area of its screen, shrinking it (not below
// its minimum) where it is larger than that area; where even its minimum is larger, its contents
// move into a scroll area first.
void centre_on_screen(QWidget* window);
// Moves a shown window that reaches past its screen's free area back inside it.
void keep_on_screen(QWidget* window);
// Puts a window at `position` (its frame's top-left) where a screen shows its title bar there,
// sized to fit that screen; returns false, leaving the window where it was, where none does.
bool place_at_stored(QWidget* window, const QPoint& position);
// Shrinks a window to the free area `room` (as far as its minimum allows, its contents scrolling
// where even that is too large); its frame keeps its top-left corner.
void fit_in(QWidget* window, const QRect& room);

// The widget that holds the window's own layout: the window itself, or the page inside the
// scroll area its contents moved into.
QWidget* content_page(QWidget* window);
// Moves the window's layout and everything in it onto a page inside a scroll area filling the
// window, once. The page keeps the size the window needed; the window itself can then be as
// small as a few lines. Returns the scroll area, or nullptr for a window without a layout of
// its own (a main window has its own scrolling).
QScrollArea* scroll_contents(QWidget* window);

} // namespace milora::ui
