// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The handbook's contents (.hhc) as a tree beside the page: choosing a row opens its page, and
// the row of the page on show is the current one. Each row's tooltip is its whole title.

#include "help/sitemap.h"

#include <QHash>
#include <QTreeWidget>
#include <vector>

namespace milora::ui {

class HelpContents : public QTreeWidget {
    Q_OBJECT
public:
    explicit HelpContents(QWidget* parent = nullptr);

    void load(const std::vector<help::SitemapEntry>& entries);
    // Marks the first row of the page `key` (page_key), unless a row of that page is current.
    void follow_page(const QString& key);
    // The width that shows every title whole (measured over the first kMostRowsMeasured rows).
    int wanted_width() const;
    static constexpr int kMostRowsMeasured = 2000;

signals:
    void open_topic(const QString& topic);

private:
    void add_rows(QTreeWidgetItem* parent, const std::vector<help::SitemapEntry>& entries);

    // Page (lower case, no leading '/') -> its first row.
    QHash<QString, QTreeWidgetItem*> rows_;
    bool syncing_ = false;
};

} // namespace milora::ui
