// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "help/search_index.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>

namespace milora::help {
namespace {

constexpr int kTitleWeight = 20;

// British spellings and their US forms, found anywhere in a word ("kilometres" -> "kilometers").
constexpr std::array<std::pair<std::string_view, std::string_view>, 22> kSpellings{{
    {"litre", "liter"},        {"metre", "meter"},        {"centre", "center"},
    {"fibre", "fiber"},        {"tyre", "tire"},          {"colour", "color"},
    {"favour", "favor"},       {"behaviour", "behavior"}, {"neighbour", "neighbor"},
    {"labour", "labor"},       {"odour", "odor"},         {"vapour", "vapor"},
    {"catalogue", "catalog"},  {"programme", "program"},  {"aluminium", "aluminum"},
    {"manoeuvre", "maneuver"}, {"licence", "license"},    {"defence", "defense"},
    {"grey", "gray"},          {"travell", "travel"},     {"fuell", "fuel"},
    {"mould", "mold"},
}};

// The length of the UTF-8 sequence `lead` begins, and the code point it holds; 1 and a letter
// for a byte that begins none.
std::size_t utf8_letter(std::string_view text, std::size_t at, char32_t& code) {
    const auto c = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        code = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        code = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        code = c & 0x07;
    }
    if (length == 1 || at + length > text.size()) {
        code = 0x100; // a letter
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(text[at + i]);
        if ((b & 0xC0) != 0x80) {
            code = 0x100;
            return 1;
        }
        code = (code << 6) | (b & 0x3F);
    }
    return length;
}

// Punctuation and spaces beyond ASCII: no-break space, « », typographic quotes and dashes, the
// ellipsis, the byte-order mark.
bool separator(char32_t code) {
    return (code >= 0x80 && code <= 0xBF && code != 0xAA && code != 0xB5 && code != 0xBA) ||
           code == 0xD7 || code == 0xF7 || (code >= 0x2000 && code <= 0x206F) ||
           (code >= 0x3000 && code <= 0x303F) || code == 0xFEFF;
}

// Calls `take(begin, end)` for each word of `text`, as byte offsets.
template <typename Take> void each_word(std::string_view text, Take take) {
    std::size_t begin = std::string_view::npos;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto c = static_cast<unsigned char>(text[at]);
        std::size_t length = 1;
        bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (c >= 0x80) {
            char32_t code = 0;
            length = utf8_letter(text, at, code);
            letter = !separator(code);
        }
        if (letter && begin == std::string_view::npos) {
            begin = at;
        } else if (!letter && begin != std::string_view::npos) {
            take(begin, at);
            begin = std::string_view::npos;
        }
        at += length;
    }
    if (begin != std::string_view::npos) {
        take(begin, text.size());
    }
}

std::string folded(std::string_view word) {
    std::string out(word);
    for (char& ch : out) {
        if (ch >= 'A' && ch <= 'Z') {
            ch = static_cast<char>(ch - 'A' + 'a');
        }
    }
    return SearchIndex::fold_spelling(std::move(out));
}

bool begins_any(const std::string& word, const std::vector<std::string>& asked) {
    return std::any_of(asked.begin(), asked.end(),
                       [&](const std::string& a) { return word.starts_with(a); });
}

// `text` cut to at most `most` bytes, at a blank when there is one near the cut, never inside a
// letter of several bytes.
std::string_view cut(std::string_view text, std::size_t most) {
    if (text.size() <= most) {
        return text;
    }
    std::size_t end = most;
    const std::size_t blank = text.rfind(' ', most);
    if (blank != std::string_view::npos && most - blank < 64) {
        end = blank;
    }
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end);
}

} // namespace

std::string SearchIndex::fold_spelling(std::string word) {
    for (const auto& [british, us] : kSpellings) {
        for (std::size_t at = word.find(british); at != std::string::npos;
             at = word.find(british, at + us.size())) {
            word.replace(at, british.size(), us);
        }
    }
    return word;
}

std::vector<std::string> SearchIndex::words(std::string_view text) {
    std::vector<std::string> out;
    each_word(text, [&](std::size_t begin, std::size_t end) {
        out.push_back(folded(text.substr(begin, end - begin)));
    });
    return out;
}

std::vector<std::string> SearchIndex::query_words(std::string_view query) {
    std::vector<std::string> out;
    for (std::string& w : words(query)) {
        if (out.size() == kMostQueryWords) {
            break;
        }
        if (std::find(out.begin(), out.end(), w) == out.end()) {
            out.push_back(std::move(w));
        }
    }
    return out;
}

bool SearchIndex::add_page(std::string name, std::string title, std::string_view text,
                           std::string_view shown) {
    const std::size_t budget =
        std::min(kMostTextPerPage, kMostTextInAll - std::min(kMostTextInAll, text_indexed_));
    const std::string_view indexed = cut(text, budget);
    const bool whole = indexed.size() == text.size();
    whole_ = whole_ && whole;
    text_indexed_ += indexed.size();

    const auto page = static_cast<std::uint32_t>(pages_.size());
    // Counted as written (ASCII folded), then each distinct word folded to its US spelling once.
    std::unordered_map<std::string, std::uint32_t> raw;
    each_word(indexed, [&](std::size_t begin, std::size_t end) {
        std::string w(indexed.substr(begin, end - begin));
        for (char& ch : w) {
            ch = ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
        }
        ++raw[std::move(w)];
    });
    std::unordered_map<std::string, std::uint32_t> counts;
    for (const auto& [word, count] : raw) {
        counts[fold_spelling(word)] += count;
    }
    for (auto& [word, count] : counts) {
        postings_[word].emplace_back(page, count);
    }
    const std::string_view snippet_text = shown.empty() ? indexed : cut(shown, indexed.size());
    pages_.push_back({std::move(name), std::move(title), std::string(snippet_text)});
    return whole;
}

std::string SearchIndex::snippet(const Page& page, const std::vector<std::string>& asked) const {
    const std::string_view text = page.text;
    std::size_t first = std::string_view::npos;
    each_word(text, [&](std::size_t begin, std::size_t end) {
        if (first == std::string_view::npos &&
            begins_any(folded(text.substr(begin, end - begin)), asked)) {
            first = begin;
        }
    });
    if (first == std::string_view::npos) {
        first = 0;
    }
    // A few words before the hit, then as much as fits.
    std::size_t start = first > kSnippetLength / 3 ? first - kSnippetLength / 3 : 0;
    if (start > 0) {
        const std::size_t blank = text.find(' ', start);
        start = blank != std::string_view::npos && blank < first ? blank + 1 : first;
    }
    std::string out(cut(text.substr(start), kSnippetLength));
    if (start > 0) {
        out.insert(0, "\xE2\x80\xA6"); // ...
    }
    if (start + out.size() < text.size()) {
        out += "\xE2\x80\xA6";
    }
    return out;
}

std::vector<SearchIndex::Hit> SearchIndex::search(std::string_view query) const {
    const std::vector<std::string> asked = query_words(query);
    if (asked.empty()) {
        return {};
    }
    std::vector<int> score(pages_.size(), 0);
    std::vector<std::size_t> found(pages_.size(), 0);
    for (std::size_t i = 0; i < asked.size(); ++i) {
        std::vector<int> this_word(pages_.size(), 0);
        for (auto it = postings_.lower_bound(asked[i]);
             it != postings_.end() && it->first.starts_with(asked[i]); ++it) {
            for (const auto& [page, count] : it->second) {
                // At most kMostTextPerPage words a page, so this cannot overflow.
                this_word[page] += static_cast<int>(std::min<std::uint32_t>(count, 1000));
            }
        }
        for (std::size_t p = 0; p < pages_.size(); ++p) {
            if (this_word[p] > 0 && found[p] == i) {
                ++found[p];
                score[p] += this_word[p];
            }
        }
    }
    std::vector<std::pair<int, std::size_t>> ranked; // (score, page)
    for (std::size_t p = 0; p < pages_.size(); ++p) {
        if (found[p] != asked.size()) {
            continue;
        }
        int s = score[p];
        for (const std::string& t : words(pages_[p].title)) {
            for (const std::string& a : asked) {
                s += t.starts_with(a) ? kTitleWeight : 0;
            }
        }
        ranked.emplace_back(s, p);
    }
    std::stable_sort(ranked.begin(), ranked.end(), [this](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first
                                  : pages_[a.second].title < pages_[b.second].title;
    });
    std::vector<Hit> hits;
    hits.reserve(ranked.size());
    for (const auto& [s, p] : ranked) {
        const Page& page = pages_[p];
        hits.push_back({page.name, page.title, s,
                        hits.size() < kMostSnippets ? snippet(page, asked) : std::string()});
    }
    return hits;
}

} // namespace milora::help
