// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What the help viewer takes from a page before the rich-text engine sees it: its title and
// words for the search, and the bounds that keep a hostile page from taking minutes to lay out.

#include <cstddef>
#include <string>
#include <string_view>

namespace milora::help {

// Handbook pages are a few tens of kilobytes; a page above this is not laid out (a page of one
// 50 MB word takes the text engine minutes and gigabytes, and 512 KB of line breaks seconds).
inline constexpr std::size_t kLargestPage = 256 * 1024;
// Past this many table cells in a page, table layout takes seconds: every table is flattened.
inline constexpr std::size_t kMostTableCells = 2000;
// Laying out one long word takes time that grows with the square of its length; runs of letters
// longer than this get a place to break.
inline constexpr std::size_t kLongestWord = 200;

// A cell's colspan and rowspan are cut to this (a cell spanning a million columns makes the text
// engine build a million cells); widths and heights to kLargestLength pixels, a font's size to
// kLargestFontSize steps.
inline constexpr long kLargestSpan = 100;
inline constexpr long kLargestLength = 4000;
inline constexpr long kLargestFontSize = 7;

// Tables nested deeper than this take the text engine exponential time to lay out; no handbook
// needs more than two or three levels.
inline constexpr int kDeepestTable = 6;

// `html` with the table tags of every table nested deeper than `depth` left out, so that those
// tables' cells read as lines of text inside the table that holds them. A page with more than
// kMostTableCells cells (a spanning cell counted as the cells it spans, within the bounds
// above) loses all its tables' tags.
std::string flatten_deep_tables(std::string_view html, int depth = kDeepestTable);

// `html` with every colspan, rowspan, width, height and size attribute cut to the bounds above
// (a percentage to 100 %); everything else is left as it is.
std::string bound_sizes(std::string_view html);

// `html` with a zero-width space after every kLongestWord bytes of text without a blank, outside
// tags, character references, scripts and style sheets.
std::string break_long_words(std::string_view html);

struct PageText {
    std::string title; // the <title>, else the first heading; entities decoded
    std::string text;  // the visible words, separated by single blanks
};

// Script and style contents, comments and tags are left out.
PageText page_text(std::string_view html);

} // namespace milora::help
