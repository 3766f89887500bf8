// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/help_search.h"

#include "help/page_text.h"
#include "ui/help_handbook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>

namespace milora::ui {
namespace {

constexpr int kPageRole = Qt::UserRole + 1;
constexpr int kTitleRole = Qt::UserRole + 2;

} // namespace

HelpSearch::HelpSearch(QWidget* parent)
    : QWidget(parent), box_(new QLineEdit(this)), status_(new QLabel(this)),
      results_(new QListWidget(this)) {
    box_->setObjectName(QStringLiteral("txtSearch"));
    box_->setAccessibleName(QStringLiteral("Search words"));
    box_->setPlaceholderText(QStringLiteral("Words to find, then Enter"));
    box_->setClearButtonEnabled(true);
    results_->setObjectName(QStringLiteral("lstSearch"));
    results_->setAccessibleName(QStringLiteral("Pages found"));
    // Each result is its title and a snippet, wrapped to the pane's width.
    results_->setWordWrap(true);
    results_->setResizeMode(QListView::Adjust);
    results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    results_->setTextElideMode(Qt::ElideNone);
    status_->setObjectName(QStringLiteral("lblSearch"));
    status_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(box_);
    layout->addWidget(status_);
    layout->addWidget(results_, 1);
    connect(box_, &QLineEdit::returnPressed, this, [this] { search(box_->text()); });
    connect(results_, &QListWidget::itemActivated, this, &HelpSearch::open);
    connect(results_, &QListWidget::itemClicked, this, &HelpSearch::open);
    box_->installEventFilter(this);
}

void HelpSearch::set_archive(const ChmArchive* archive) {
    archive_ = archive != nullptr && archive->is_open() ? archive : nullptr;
    results_->clear();
    status_->clear();
    index_.reset();
    pages_.clear();
    next_page_ = -1;
    waiting_.clear();
}

void HelpSearch::focus_words() {
    box_->setFocus(Qt::ShortcutFocusReason);
    box_->selectAll();
}

void HelpSearch::search(const QString& words) {
    results_->clear();
    if (archive_ == nullptr) {
        return;
    }
    if (index_ && !indexing()) {
        answer(words);
        return;
    }
    waiting_ = words;
    if (!indexing()) {
        index_.emplace();
        pages_.clear();
        for (const QString& name : archive_->names()) {
            if (name.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
                name.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)) {
                pages_ << name;
            }
        }
        next_page_ = 0;
        bytes_read_ = 0;
        whole_ = true;
        index_step(); // a handbook of the usual size is indexed in this one step
    }
}

void HelpSearch::index_step() {
    if (!indexing() || archive_ == nullptr) {
        return; // another handbook came in meanwhile
    }
    const qint64 step_end = bytes_read_ + kBytesPerStep;
    while (next_page_ < pages_.size() && bytes_read_ < step_end) {
        const QString& name = pages_[next_page_++];
        bool too_large = false;
        const std::optional<QByteArray> bytes = archive_->read_at_most(
            name, std::min<qint64>(help::kLargestPage, kMostBytesInAll - bytes_read_), &too_large);
        whole_ = whole_ && !too_large;
        if (!bytes) {
            continue;
        }
        bytes_read_ += bytes->size();
        const QString html = decode_page(*bytes);
        const QByteArray utf8 = html.toUtf8();
        const help::PageText text = help::page_text(std::string_view(utf8.data(), utf8.size()));
        const QByteArray lower = QString::fromStdString(text.text).toLower().toUtf8();
        std::string title = text.title.empty() ? name.mid(1).toStdString() : text.title;
        whole_ = index_->add_page(name.mid(1).toStdString(), std::move(title),
                                  std::string_view(lower.data(), lower.size()), text.text) &&
                 whole_;
    }
    if (next_page_ < pages_.size() && bytes_read_ < kMostBytesInAll) {
        status_->setText(QStringLiteral("Reading the handbook for the search: %1 of %2 pages.")
                             .arg(next_page_)
                             .arg(pages_.size()));
        QTimer::singleShot(0, this, &HelpSearch::index_step);
        return;
    }
    whole_ = whole_ && next_page_ == pages_.size();
    next_page_ = -1;
    pages_.clear();
    answer(waiting_);
    waiting_.clear();
}

void HelpSearch::answer(const QString& words) {
    results_->clear();
    const QByteArray query = words.toLower().toUtf8();
    const auto hits = index_->search(std::string_view(query.data(), query.size()));
    for (const help::SearchIndex::Hit& hit : hits) {
        const QString title = QString::fromStdString(hit.title);
        const QString snippet = QString::fromStdString(hit.snippet);
        auto* item = new QListWidgetItem(
            snippet.isEmpty() ? title : title + QLatin1Char('\n') + snippet, results_);
        item->setData(kPageRole, QString::fromStdString(hit.page));
        item->setData(kTitleRole, title);
        item->setToolTip(snippet);
    }
    QString said = hits.empty()        ? QStringLiteral("No page holds these words.")
                   : hits.size() == 1U ? QStringLiteral("1 page found.")
                                       : QStringLiteral("%1 pages found.").arg(hits.size());
    if (!whole_) {
        said += QStringLiteral(" Some pages of this handbook are too large to be searched "
                               "whole; they were searched in part or not at all.");
    }
    status_->setText(said);
    if (!hits.empty()) {
        results_->setCurrentRow(0);
    }
}

void HelpSearch::open(QListWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    const QStringList words =
        box_->text().split(QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts);
    emit open_page(item->data(kPageRole).toString(), words);
}

bool HelpSearch::eventFilter(QObject* watched, QEvent* event) {
    // Up and Down in the box move through the pages found.
    if (watched == box_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up ||
            key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp) {
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers());
            QApplication::sendEvent(results_, &copy);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace milora::ui
