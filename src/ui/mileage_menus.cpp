// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_menus.h"

#include "ui/labels.h"
#include "ui/qt_text.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <string>

namespace milora::ui {

QMenuBar* build_menu_bar(QWidget* window, const std::vector<MenuCommand>& commands) {
    auto* bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("mnuBar"));
    std::map<std::string, QMenu*> menus;
    std::map<std::string, QActionGroup*> choices;
    for (const MenuCommand& c : commands) {
        QMenu*& menu = menus[c.menu_name];
        if (menu == nullptr) {
            menu = bar->addMenu(latin_text(c.menu_title));
            menu->setObjectName(latin_text(c.menu_name));
        }
        QAction* action = menu->addAction(latin_text(c.text));
        action->setObjectName(latin_text(c.name));
        action->setShortcut(c.shortcut);
        if (c.checkable) {
            QActionGroup*& group = choices[c.menu_name];
            if (group == nullptr) {
                group = new QActionGroup(menu);
            }
            action->setCheckable(true);
            group->addAction(action);
        }
        QObject::connect(action, &QAction::triggered, window, c.run);
    }
    // Every menu and item can be reached with Alt and a letter of its own.
    add_mnemonics(*bar);
    return bar;
}

} // namespace milora::ui
