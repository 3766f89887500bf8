// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/help_highlight.h"

#include "help/search_index.h"

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <string>
#include <vector>

namespace milora::ui {
namespace {

std::string folded(const QString& word) {
    return help::SearchIndex::fold_spelling(word.toLower().toStdString());
}

std::vector<std::string> asked_words(const QStringList& words) {
    const QByteArray query = words.join(QLatin1Char(' ')).toLower().toUtf8();
    return help::SearchIndex::query_words(std::string_view(query.data(), query.size()));
}

bool wanted(const QString& word, const std::vector<std::string>& asked) {
    const std::string w = folded(word);
    for (const std::string& a : asked) {
        if (w.starts_with(a)) {
            return true;
        }
    }
    return false;
}

bool word_char(QChar c) {
    return c.isLetterOrNumber() || c.isMark();
}

QTextEdit::ExtraSelection mark(QTextDocument* doc, int from, int to) {
    QTextEdit::ExtraSelection m;
    m.cursor = QTextCursor(doc);
    m.cursor.setPosition(from);
    m.cursor.setPosition(to, QTextCursor::KeepAnchor);
    m.format.setBackground(QColor(0xff, 0xeb, 0x3b));
    m.format.setForeground(Qt::black);
    return m;
}

// The marks in one block: whole words, a run of them joined by blanks as one.
void mark_block(QTextDocument* doc, const QTextBlock& block, const std::vector<std::string>& asked,
                QList<QTextEdit::ExtraSelection>& marks) {
    const QString text = block.text();
    int run_from = -1;
    int run_to = -1;
    auto close_run = [&] {
        if (run_from >= 0 && marks.size() < kMostMarks) {
            marks.append(mark(doc, block.position() + run_from, block.position() + run_to));
        }
        run_from = -1;
    };
    int i = 0;
    while (i < text.size() && marks.size() < kMostMarks) {
        if (!word_char(text[i])) {
            // A phrase runs over blanks only, not over a line break or punctuation.
            if (text[i] != QLatin1Char(' ') && text[i] != QChar::Nbsp) {
                close_run();
            }
            ++i;
            continue;
        }
        const int start = i;
        while (i < text.size() && word_char(text[i])) {
            ++i;
        }
        if (wanted(text.mid(start, i - start), asked)) {
            run_from = run_from < 0 ? start : run_from;
            run_to = i;
        } else {
            close_run();
        }
    }
    close_run();
}

} // namespace

int mark_words(QTextBrowser* page, const QStringList& words) {
    const std::vector<std::string> asked = asked_words(words);
    QList<QTextEdit::ExtraSelection> marks;
    if (!asked.empty()) {
        for (QTextBlock block = page->document()->begin();
             block.isValid() && marks.size() < kMostMarks; block = block.next()) {
            mark_block(page->document(), block, asked, marks);
        }
    }
    page->setExtraSelections(marks);
    if (!marks.isEmpty()) {
        QTextCursor first = marks.first().cursor;
        first.clearSelection();
        page->setTextCursor(first);
        page->ensureCursorVisible();
    }
    return static_cast<int>(marks.size());
}

} // namespace milora::ui
