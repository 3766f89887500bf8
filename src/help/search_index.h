// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The full-text search over the pages of a help file: which pages hold every word asked for, best
// first. Words are compared without regard to case (the caller hands in text already folded to
// lower case where letters beyond ASCII matter); a word asked for also finds the longer words it
// begins ("tire" finds "tires").

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace milora::help {

class SearchIndex {
public:
    // `text` is the page's visible text (page_text), `title` what the results list shows.
    void add_page(std::string name, std::string title, std::string_view text);

    struct Hit {
        std::string page;
        std::string title;
        int score = 0;
    };
    // Pages holding every word of `query`, the most hits (a hit in the title counts more) first,
    // then by title.
    std::vector<Hit> search(std::string_view query) const;

    std::size_t page_count() const { return pages_.size(); }

    // The words of `text` as the index stores them: letters and digits (any byte beyond ASCII
    // counts as a letter), ASCII folded to lower case.
    static std::vector<std::string> words(std::string_view text);

private:
    struct Page {
        std::string name;
        std::string title;
    };
    std::vector<Page> pages_;
    // word -> (page, how often)
    std::map<std::string, std::vector<std::pair<std::uint32_t, std::uint32_t>>, std::less<>>
        postings_;
};

} // namespace milora::help
