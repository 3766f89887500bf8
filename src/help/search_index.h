// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The full-text search over the pages of a help file: which pages hold every word asked for, best
// first. Words are compared without regard to case (the caller hands in text already folded to
// lower case where letters beyond ASCII matter) or to British and US spelling ("litres" finds
// "liters"); a word asked for also finds the longer words it begins ("tire" finds "tires").
//
// The work is bounded whatever the help file holds: at most kMostTextPerPage bytes of a page's
// text and kMostTextInAll in all are indexed, and a query uses at most kMostQueryWords distinct
// words.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace milora::help {

class SearchIndex {
public:
    static constexpr std::size_t kMostTextPerPage = 64 * 1024;
    static constexpr std::size_t kMostTextInAll = 8 * 1024 * 1024;
    static constexpr std::size_t kMostQueryWords = 32;
    static constexpr std::size_t kSnippetLength = 120;
    // Only the first hits get a snippet: each costs a walk over the page's text.
    static constexpr std::size_t kMostSnippets = 100;

    // `text` is the page's visible text (page_text), `title` what the results list shows, `shown`
    // the same text as the snippets show it (as `text` when empty; `text` may be folded to lower
    // case). False when the page was not indexed whole (its text cut at the bounds above).
    bool add_page(std::string name, std::string title, std::string_view text,
                  std::string_view shown = {});

    struct Hit {
        std::string page;
        std::string title;
        int score = 0;
        // Up to about kSnippetLength bytes of the page's text around the first word asked for
        // (the first kMostSnippets hits only).
        std::string snippet;
    };
    // Pages holding every word of `query`, the most hits (a hit in the title counts more) first,
    // then by title.
    std::vector<Hit> search(std::string_view query) const;

    std::size_t page_count() const { return pages_.size(); }
    // The bytes of page text indexed so far, at most kMostTextInAll.
    std::size_t text_indexed() const { return text_indexed_; }
    // Whether every page added was indexed whole.
    bool whole() const { return whole_; }

    // The words of `text` as the index stores them: letters and digits (any byte beyond ASCII
    // counts as a letter, but typographic quotes, dashes and other punctuation do not), ASCII
    // folded to lower case, British spellings to US ones (fold_spelling).
    static std::vector<std::string> words(std::string_view text);
    // The distinct words of a query, in the order first asked, at most kMostQueryWords.
    static std::vector<std::string> query_words(std::string_view query);
    // "litres" -> "liters", "tyre" -> "tire", "colour" -> "color"; other words as they are.
    static std::string fold_spelling(std::string word);

private:
    struct Page {
        std::string name;
        std::string title;
        std::string text; // what was indexed, for the snippets
    };
    std::string snippet(const Page& page, const std::vector<std::string>& asked) const;

    std::vector<Page> pages_;
    // word -> (page, how often)
    std::map<std::string, std::vector<std::pair<std::uint32_t, std::uint32_t>>, std::less<>>
        postings_;
    std::size_t text_indexed_ = 0;
    bool whole_ = true;
};

} // namespace milora::help
