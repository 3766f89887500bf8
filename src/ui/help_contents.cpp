// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/help_contents.h"

#include "ui/help_handbook.h"

#include <QScrollBar>
#include <algorithm>
#include <utility>

namespace milora::ui {
namespace {

constexpr int kPageRole = Qt::UserRole + 1;

} // namespace

HelpContents::HelpContents(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("treContents"));
    setAccessibleName(QStringLiteral("Contents"));
    setHeaderHidden(true);
    setColumnCount(1);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const QString topic = item != nullptr ? item->data(0, kPageRole).toString() : QString();
        if (!syncing_ && !topic.isEmpty()) {
            emit open_topic(topic);
        }
    });
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QString topic = item->data(0, kPageRole).toString();
        if (!topic.isEmpty()) {
            emit open_topic(topic);
        }
    });
}

void HelpContents::load(const std::vector<help::SitemapEntry>& entries) {
    syncing_ = true;
    clear();
    rows_.clear();
    add_rows(nullptr, entries);
    syncing_ = false;
}

void HelpContents::add_rows(QTreeWidgetItem* parent,
                            const std::vector<help::SitemapEntry>& entries) {
    for (const help::SitemapEntry& e : entries) {
        auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, QString::fromStdString(e.name));
        item->setToolTip(0, item->text(0));
        if (!e.local.empty()) {
            const QString topic = local_topic(QString::fromStdString(e.local));
            item->setData(0, kPageRole, topic);
            const QString key = page_key(topic);
            if (!rows_.contains(key)) {
                rows_.insert(key, item);
            }
        }
        add_rows(item, e.children);
    }
}

int HelpContents::wanted_width() const {
    const QFontMetrics metrics(font());
    int widest = 0;
    int rows = 0;
    // Depth-first over the rows, the first kMostRowsMeasured only.
    std::vector<std::pair<const QTreeWidgetItem*, int>> todo;
    for (int i = topLevelItemCount() - 1; i >= 0; --i) {
        todo.emplace_back(topLevelItem(i), 1);
    }
    while (!todo.empty() && rows++ < kMostRowsMeasured) {
        const auto [item, depth] = todo.back();
        todo.pop_back();
        widest = std::max(widest, depth * indentation() + metrics.horizontalAdvance(item->text(0)));
        for (int i = item->childCount() - 1; i >= 0; --i) {
            todo.emplace_back(item->child(i), depth + 1);
        }
    }
    return widest + 2 * frameWidth() + verticalScrollBar()->sizeHint().width() + 8;
}

void HelpContents::follow_page(const QString& key) {
    // A row for another part of the same page (an anchor) stays the current one.
    const QTreeWidgetItem* current = currentItem();
    QTreeWidgetItem* row = rows_.value(key);
    if (row != nullptr &&
        (current == nullptr || page_key(current->data(0, kPageRole).toString()) != key)) {
        syncing_ = true;
        setCurrentItem(row);
        scrollToItem(row);
        syncing_ = false;
    }
}

} // namespace milora::ui
