// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The full-text search beside the page: a box for the words, a line saying what was found, and
// the pages holding every word, best first, each with a snippet around its first hit.
//
// The index is made at the first search of a handbook, in steps of at most kBytesPerStep bytes of
// pages, so that the window keeps answering while a large help file is read; the search asked
// for is answered when the index is done. Pages over the viewer's size limit are left unread, and
// reading stops after kMostBytesInAll; the status line says when the handbook was not searched
// whole.

#include "help/search_index.h"
#include "ui/chm_archive.h"

#include <QStringList>
#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace milora::ui {

class HelpSearch : public QWidget {
    Q_OBJECT
public:
    explicit HelpSearch(QWidget* parent = nullptr);

    // The handbook searched from now on; null for none. Forgets the index and the results.
    void set_archive(const ChmArchive* archive);
    void search(const QString& words);
    // Whether the index is being made (a search is waiting for it).
    bool indexing() const { return next_page_ >= 0; }

    static constexpr qint64 kBytesPerStep = 1024 * 1024;
    static constexpr qint64 kMostBytesInAll = 32 * 1024 * 1024;
    // The cursor into the box, its text selected.
    void focus_words();
    QLineEdit* words_box() const { return box_; }
    QListWidget* results() const { return results_; }

signals:
    // A page found, and the words asked for, to be marked on it.
    void open_page(const QString& page, const QStringList& words);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void index_step();
    void answer(const QString& words);
    void open(QListWidgetItem* item);

    const ChmArchive* archive_ = nullptr;
    QStringList pages_;  // the pages to index
    int next_page_ = -1; // the next of them; -1 when not indexing
    qint64 bytes_read_ = 0;
    bool whole_ = true; // every page read and indexed whole
    QString waiting_;   // the search asked for while indexing
    QLineEdit* box_;
    QLabel* status_;
    QListWidget* results_;
    std::optional<help::SearchIndex> index_;
};

} // namespace milora::ui
