// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/help_find_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

namespace milora::ui {

HelpFindBar::HelpFindBar(QTextBrowser* page, QWidget* parent)
    : QWidget(parent), page_(page), box_(new QLineEdit(this)), status_(new QLabel(this)) {
    setObjectName(QStringLiteral("fraFind"));
    auto* label = new QLabel(QStringLiteral("Find:"), this);
    box_->setObjectName(QStringLiteral("txtFind"));
    box_->setAccessibleName(QStringLiteral("Find in page"));
    label->setBuddy(box_);
    auto* next = new QPushButton(QStringLiteral("Next"), this);
    next->setObjectName(QStringLiteral("cmdFindNext"));
    auto* previous = new QPushButton(QStringLiteral("Previous"), this);
    previous->setObjectName(QStringLiteral("cmdFindPrevious"));
    previous_ = previous;
    next_ = next;
    status_->setObjectName(QStringLiteral("lblFind"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(box_, 1);
    layout->addWidget(next);
    layout->addWidget(previous);
    layout->addWidget(status_);
    hide();
    connect(box_, &QLineEdit::returnPressed, this, [this] { find_next(false); });
    connect(next, &QPushButton::clicked, this, [this] { find_next(false); });
    connect(previous, &QPushButton::clicked, this, [this] { find_next(true); });
}

void HelpFindBar::open() {
    show();
    box_->setFocus(Qt::ShortcutFocusReason);
    box_->selectAll();
}

bool HelpFindBar::find_in_page(const QString& text, bool backward) {
    if (text.isEmpty()) {
        return false;
    }
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (page_->find(text, flags)) {
        return true;
    }
    // Round the end of the page.
    QTextCursor from(page_->document());
    from.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    page_->setTextCursor(from);
    return page_->find(text, flags);
}

void HelpFindBar::find_next(bool backward) {
    if (box_->text().isEmpty()) {
        open();
        return;
    }
    const bool found = find_in_page(box_->text(), backward);
    status_->setText(found ? QString() : QStringLiteral("Not found"));
}

void HelpFindBar::clear_status() {
    status_->clear();
}

} // namespace milora::ui
