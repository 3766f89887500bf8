// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/application_keyboard.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace milora::ui {
namespace {

QMenuBar* menu_bar_of(QWidget* widget) {
    QWidget* window = widget->window();
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        return main->menuBar();
    }
    return window->findChild<QMenuBar*>();
}

bool open_menu_bar(QWidget* widget) {
    QMenuBar* bar = menu_bar_of(widget);
    if (bar == nullptr || !bar->isVisible()) {
        return false;
    }
    for (QAction* a : bar->actions()) {
        if (a->isVisible() && a->isEnabled()) {
            bar->setFocus(Qt::ShortcutFocusReason);
            bar->setActiveAction(a);
            return true;
        }
    }
    return false;
}

bool press_focused_button(QWidget* widget) {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    const bool push = qobject_cast<QPushButton*>(widget) != nullptr ||
                      qobject_cast<QToolButton*>(widget) != nullptr;
    if (button == nullptr || !push || !button->hasFocus() || !button->isEnabled()) {
        return false;
    }
    button->click();
    return true;
}

bool press_help(QWidget* widget) {
    auto* help = widget->window()->findChild<QPushButton*>(QStringLiteral("cmdHelp"));
    if (help == nullptr || !help->isVisible() || !help->isEnabled()) {
        return false;
    }
    help->click();
    return true;
}

QAccessibleInterface* window_role(const QString& class_name, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->isWindow() || !class_name.startsWith(u"milora::") ||
        qobject_cast<QDialog*>(widget) != nullptr ||
        qobject_cast<QMainWindow*>(widget) != nullptr) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

bool KeyboardRules::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr ||
        (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (event->type() == QEvent::KeyRelease) {
        // Alt alone opens the menus, unless the style's menu bar already does it itself.
        const bool alone = alt_alone_ && key->key() == Qt::Key_Alt;
        alt_alone_ = false;
        if (alone && widget->style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation) == 0 &&
            open_menu_bar(widget)) {
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
    alt_alone_ = key->key() == Qt::Key_Alt && modifiers == Qt::AltModifier;
    if (modifiers != Qt::NoModifier || key->isAutoRepeat()) {
        return QObject::eventFilter(watched, event);
    }
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return press_focused_button(widget) || QObject::eventFilter(watched, event);
    case Qt::Key_F10:
        return open_menu_bar(widget) || QObject::eventFilter(watched, event);
    case Qt::Key_F1:
        return press_help(widget) || QObject::eventFilter(watched, event);
    default:
        return QObject::eventFilter(watched, event);
    }
}

void announce_windows_as_windows() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(window_role);
    }
}

} // namespace milora::ui
