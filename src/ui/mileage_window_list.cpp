// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_window_list.h"

#include "mileage/entry_list.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <climits>

namespace milora::ui {

using namespace milora::mileage;
namespace {

class LineDelegate : public QStyledItemDelegate {
public:
    explicit LineDelegate(MileageListView* view) : QStyledItemDelegate(view), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const int lead = index.data(MileageListModel::LeadRole).toInt();
        const QFontMetrics m(option.font);
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        painter->save();
        if (selected) {
            painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
        }
        painter->setFont(option.font);
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QPointF(view_->column_x(-lead), option.rect.top() + m.ascent()),
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        const QFontMetrics m(option.font);
        // Every row as wide as the widest line the list is made for; the rows are all alike, so
        // that a long list is laid out without asking each row.
        const double right = view_->unscrolled_column_x(view_->row_columns());
        return {static_cast<int>(right) + 1, m.lineSpacing()};
    }

private:
    MileageListView* view_;
};

} // namespace

MileageListModel::MileageListModel(const MileageTracker& tracker, QObject* parent)
    : QAbstractListModel(parent), tracker_(tracker) {}

int MileageListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant MileageListModel::data(const QModelIndex& index, int role) const {
    const std::int64_t line = first_line_ + index.row();
    if (!index.isValid() || line >= tracker_.list_line_count()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(tracker_.list_line(line));
    }
    if (role == LeadRole) {
        return static_cast<int>(std::min<std::size_t>(tracker_.list_line_lead(line),
                                                      MileageListView::kLeadColumns + 1000));
    }
    return {};
}

std::int64_t MileageListModel::shown_from() const {
    return tracker_.list_line_count() > 0 && tracker_.list_line(0).empty() ? 1 : 0;
}

void MileageListModel::apply(const std::vector<ListChange>& changes) {
    const std::int64_t from = shown_from();
    const int now =
        static_cast<int>(std::min<std::int64_t>(tracker_.list_line_count() - from, INT_MAX));
    const bool replaced =
        std::any_of(changes.begin(), changes.end(), [](const ListChange& c) { return c.replace; });
    if (replaced || now < rows_ || from != first_line_) {
        beginResetModel();
        first_line_ = from;
        rows_ = now;
        endResetModel();
    } else if (now > rows_) {
        beginInsertRows({}, rows_, now - 1);
        rows_ = now;
        endInsertRows();
    }
}

MileageListView::MileageListView(const MileageTracker& tracker, QWidget* parent)
    : QListView(parent), model_(new MileageListModel(tracker, this)) {
    setModel(model_);
    setItemDelegate(new LineDelegate(this));
    setUniformItemSizes(true);
    // Lines can be selected and copied, as from the text they used to be.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setSpacing(0);
    row_columns_ = static_cast<int>(kLineColumns);
}

double MileageListView::character_width() const {
    return QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0'));
}

double MileageListView::unscrolled_column_x(double column) const {
    return 2 + (kLeadColumns + column) * character_width();
}

double MileageListView::column_x(double column) const {
    return unscrolled_column_x(column) - horizontalOffset();
}

QString MileageListView::selected_text() const {
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (const QModelIndex& row : rows) {
        lines << row.data().toString();
    }
    return lines.join(QLatin1Char('\n'));
}

void MileageListView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(selected_text());
        return;
    }
    QListView::keyPressEvent(event);
}

QString MileageListView::shown_text() const {
    QStringList rows;
    for (int r = 0; r < model_->rowCount(); ++r) {
        rows << model_->index(r).data().toString();
    }
    return rows.join(QLatin1Char('\n'));
}

void MileageListView::follow(const std::vector<ListChange>& changes) {
    model_->apply(changes);
    // Only the first and last rows are measured: a long list is never read as a whole.
    const int rows = model_->rowCount();
    int widest = static_cast<int>(kLineColumns);
    const auto measure = [&](int from, int to) {
        for (int r = std::max(from, 0); r < std::min(to, rows); ++r) {
            widest = std::max(widest, static_cast<int>(model_->index(r).data().toString().size()));
        }
    };
    measure(0, 32);
    measure(rows - 32, rows);
    if (widest != row_columns_) {
        row_columns_ = widest;
        doItemsLayout();
    }
    if (model_->rowCount() > 0) {
        const QModelIndex last = model_->index(model_->rowCount() - 1);
        selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
        scrollTo(last, QAbstractItemView::PositionAtBottom);
        horizontalScrollBar()->setValue(0);
    }
}

} // namespace milora::ui
