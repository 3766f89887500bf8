// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Marking the words of a search on the page it opened, and scrolling to the first of them.
// A mark covers a whole word that begins with a word asked for, compared as the search compares
// them ("tire" marks "Tires" and "tyres", never the "tire" inside "retire"), and runs of marked
// words with only blanks between them are marked as one phrase. The work is bounded: the
// search's own limit of distinct words, and at most kMostMarks marks.

#include <QStringList>

class QTextBrowser;

namespace milora::ui {

inline constexpr int kMostMarks = 1000;

// Marks the words on the page on show; an empty list takes the marks away. Returns the number
// of marks.
int mark_words(QTextBrowser* page, const QStringList& words);

} // namespace milora::ui
