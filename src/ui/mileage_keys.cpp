// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_keys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace milora::ui {

bool is_enter_key(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool press_focused_button(QWidget* window, const QKeyEvent* event) {
    if (!is_enter_key(event)) {
        return false;
    }
    auto* button = qobject_cast<QPushButton*>(window->focusWidget());
    if (button == nullptr || !button->isEnabled() || !button->isVisible()) {
        return false;
    }
    button->click();
    return true;
}

} // namespace milora::ui
