// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/help_index.h"

#include "ui/help_handbook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace milora::ui {
namespace {

constexpr int kPageRole = Qt::UserRole + 1;
constexpr int kKeywordRole = Qt::UserRole + 2;
constexpr int kChoicesRole = Qt::UserRole + 3; // pages of a keyword that names several

} // namespace

HelpIndex::HelpIndex(QWidget* parent)
    : QWidget(parent), filter_(new QLineEdit(this)), list_(new QListWidget(this)),
      status_(new QLabel(this)) {
    filter_->setObjectName(QStringLiteral("txtIndex"));
    filter_->setAccessibleName(QStringLiteral("Index keyword"));
    filter_->setPlaceholderText(QStringLiteral("Type a keyword"));
    filter_->setClearButtonEnabled(true);
    list_->setObjectName(QStringLiteral("lstIndex"));
    list_->setAccessibleName(QStringLiteral("Index"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(filter_);
    layout->addWidget(list_, 1);
    layout->addWidget(status_);
    status_->setObjectName(QStringLiteral("lblIndex"));
    status_->setWordWrap(true);
    connect(filter_, &QLineEdit::textChanged, this, &HelpIndex::filter);
    connect(filter_, &QLineEdit::returnPressed, this, [this] {
        if (QListWidgetItem* item = list_->currentItem(); item != nullptr && !item->isHidden()) {
            open(item);
        }
    });
    connect(list_, &QListWidget::itemActivated, this, &HelpIndex::open);
    connect(list_, &QListWidget::itemClicked, this, &HelpIndex::open);
    filter_->installEventFilter(this);
}

void HelpIndex::load(const std::vector<help::SitemapEntry>& entries) {
    list_->clear();
    status_->clear();
    add_rows(entries, 0);
    filter_->clear();
}

bool HelpIndex::empty() const {
    return list_->count() == 0;
}

void HelpIndex::focus_keyword() {
    filter_->setFocus(Qt::ShortcutFocusReason);
    filter_->selectAll();
}

void HelpIndex::add_rows(const std::vector<help::SitemapEntry>& entries, int level) {
    const QString indent(level * 4, QLatin1Char(' '));
    for (const help::SitemapEntry& e : entries) {
        auto* item = new QListWidgetItem(indent + QString::fromStdString(e.name), list_);
        item->setData(kKeywordRole, QString::fromStdString(e.name));
        if (e.topics.size() > 1) {
            // A keyword of several pages: one row for each under it, to choose from.
            item->setData(kChoicesRole, static_cast<int>(e.topics.size()));
            for (const help::SitemapTopic& t : e.topics) {
                const QString page = local_topic(QString::fromStdString(t.local));
                auto* choice = new QListWidgetItem(
                    indent + QStringLiteral("    \u2192 ") +
                        (t.title.empty() ? page : QString::fromStdString(t.title)),
                    list_);
                choice->setData(kPageRole, page);
                choice->setData(kKeywordRole, QString::fromStdString(e.name));
            }
        } else {
            item->setData(kPageRole, local_topic(QString::fromStdString(e.local)));
        }
        add_rows(e.children, level + 1);
    }
}

void HelpIndex::filter(const QString& text) {
    status_->clear();
    const QString wanted = text.trimmed();
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        // A page row of a keyword of several pages goes with its keyword.
        const bool shown =
            wanted.isEmpty() ||
            item->data(kKeywordRole).toString().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && first == nullptr) {
            first = item;
        }
    }
    if (first != nullptr) {
        list_->setCurrentItem(first);
        list_->scrollToItem(first);
    }
}

void HelpIndex::open(QListWidgetItem* item) {
    if (item != nullptr && item->data(kChoicesRole).toInt() > 1) {
        // The keyword names several pages: on to the first of them, for the user to choose.
        QListWidgetItem* first = list_->item(list_->row(item) + 1);
        list_->setCurrentItem(first);
        list_->scrollToItem(first);
        status_->setText(QStringLiteral("\"%1\" is on %2 pages: choose one.")
                             .arg(item->data(kKeywordRole).toString())
                             .arg(item->data(kChoicesRole).toInt()));
        return;
    }
    const QString topic = item != nullptr ? item->data(kPageRole).toString() : QString();
    if (!topic.isEmpty()) {
        emit open_topic(topic);
    }
}

bool HelpIndex::eventFilter(QObject* watched, QEvent* event) {
    // Up and Down in the keyword box move through the list below it.
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up ||
            key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp) {
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers());
            QApplication::sendEvent(list_, &copy);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace milora::ui
