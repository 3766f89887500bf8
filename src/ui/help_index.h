// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The handbook's index (.hhk) beside the page: a keyword box that filters the list as the user
// types, the arrow keys moving through the list from the box, Enter opening the keyword's page. A
// keyword that names several pages has a row for each page under it; Enter on the keyword goes
// to the first of them, so that the user chooses.

#include "help/sitemap.h"

#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace milora::ui {

class HelpIndex : public QWidget {
    Q_OBJECT
public:
    explicit HelpIndex(QWidget* parent = nullptr);

    void load(const std::vector<help::SitemapEntry>& entries);
    bool empty() const;
    // The cursor into the keyword box, its text selected.
    void focus_keyword();
    QLineEdit* keyword_box() const { return filter_; }
    QListWidget* list() const { return list_; }

signals:
    void open_topic(const QString& topic);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void add_rows(const std::vector<help::SitemapEntry>& entries, int level);
    void filter(const QString& text);
    void open(QListWidgetItem* item);

    QLineEdit* filter_;
    QListWidget* list_;
    QLabel* status_;
};

} // namespace milora::ui
