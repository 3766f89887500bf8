// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/validating_edit.h"

#include "ui/services.h"

#include <QFocusEvent>
#include <QPointer>
#include <QTimer>

namespace milora::ui {
namespace {

// True while a box puts the focus back: the box that loses it then is not checked. One for all
// boxes, since the focus moves between boxes of one window and the program has one GUI thread.
bool refocusing = false;

bool validating_reason(Qt::FocusReason r) {
    // Only a move to another control of this window; not a switch of windows or a popup menu.
    return r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::MouseFocusReason ||
           r == Qt::ShortcutFocusReason || r == Qt::OtherFocusReason;
}

} // namespace

ValidatingEdit::Unchecked::Unchecked() : was_(refocusing) {
    refocusing = true;
}

ValidatingEdit::Unchecked::~Unchecked() {
    refocusing = was_;
}

ValidatingEdit::ValidatingEdit(MessageService& messages, Check check, QWidget* parent)
    : QLineEdit(parent), messages_(messages), check_(std::move(check)) {}

bool ValidatingEdit::validate() {
    const std::optional<Message> message = check_(text());
    if (!message) {
        return true;
    }
    // The box holds the focus while its message is up, not the control the user went to.
    take_focus_back();
    messages_.show(window(), *message);
    take_focus_back();
    return false;
}

void ValidatingEdit::take_focus_back() {
    const Unchecked guard;
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

bool ValidatingEdit::validate_focused(QWidget* window) {
    auto* box = qobject_cast<ValidatingEdit*>(window->focusWidget());
    return box == nullptr || box->validate();
}

void ValidatingEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (refocusing || !validating_reason(event->reason()) || !window()->isVisible()) {
        return;
    }
    QPointer<ValidatingEdit> guard(this);
    QTimer::singleShot(0, this, [guard] {
        // A window closed in the meantime (Exit, the close box) is not checked.
        if (guard && guard->window()->isVisible()) {
            guard->validate();
        }
    });
}

} // namespace milora::ui
