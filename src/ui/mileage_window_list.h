// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The tracker's list as a model and a view over MileageTracker: a row is made into text only when
// it is drawn, so a log of a million entries costs no more than its entries. The view draws every
// row in a fixed-pitch font with its first column at one place, a row whose date runs left of the
// first column that much further left (into a narrow margin kept for it).

#include "mileage/mileage_tracker.h"

#include <QAbstractListModel>
#include <QListView>

namespace milora::ui {

class MileageListModel : public QAbstractListModel {
public:
    static constexpr int LeadRole = Qt::UserRole + 1; // characters left of the first column

    MileageListModel(const mileage::MileageTracker& tracker, QObject* parent);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Brings the rows up to the tracker's list after `changes`.
    void apply(const std::vector<mileage::ListChange>& changes);
    // The tracker's list line that row 0 shows: the empty line a list of entries starts with is
    // not shown.
    std::int64_t first_line() const { return first_line_; }

private:
    std::int64_t shown_from() const;

    const mileage::MileageTracker& tracker_;
    int rows_ = 0;
    std::int64_t first_line_ = 0;
};

class MileageListView : public QListView {
public:
    // Characters kept left of the first column for dates that run further left.
    static constexpr int kLeadColumns = 4;

    MileageListView(const mileage::MileageTracker& tracker, QWidget* parent);
    MileageListModel* list_model() const { return model_; }
    // Where character `column` (0-based, counted from the first column) of every row starts, in
    // the viewport's coordinates.
    double column_x(double column) const;
    // The same before any horizontal scrolling.
    double unscrolled_column_x(double column) const;
    double character_width() const;
    // The rows as text, joined by line feeds, as the list shows them.
    QString shown_text() const;
    // The selected rows so, which Copy puts on the clipboard.
    QString selected_text() const;
    // After the tracker changed its list: the rows follow, and the newest row comes into view.
    void follow(const std::vector<mileage::ListChange>& changes);
    // The width of every row, in characters from the first column: wide enough for an entry's
    // line and for the lines at the list's start and end (a summary's), where the longer ones are.
    int row_columns() const { return row_columns_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    MileageListModel* model_;
    int row_columns_ = 0;
};

} // namespace milora::ui
