// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "help/search_index.h"

#include <algorithm>
#include <unordered_map>

namespace milora::help {
namespace {

constexpr int kTitleWeight = 20;

bool word_byte(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c >= 0x80;
}

} // namespace

std::vector<std::string> SearchIndex::words(std::string_view text) {
    std::vector<std::string> out;
    std::string word;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (word_byte(c)) {
            word += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : ch;
        } else if (!word.empty()) {
            out.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) {
        out.push_back(std::move(word));
    }
    return out;
}

void SearchIndex::add_page(std::string name, std::string title, std::string_view text) {
    const auto page = static_cast<std::uint32_t>(pages_.size());
    std::unordered_map<std::string, std::uint32_t> counts;
    for (std::string& w : words(text)) {
        ++counts[std::move(w)];
    }
    for (auto& [word, count] : counts) {
        postings_[word].emplace_back(page, count);
    }
    pages_.push_back({std::move(name), std::move(title)});
}

std::vector<SearchIndex::Hit> SearchIndex::search(std::string_view query) const {
    const std::vector<std::string> asked = words(query);
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
    std::vector<Hit> hits;
    for (std::size_t p = 0; p < pages_.size(); ++p) {
        if (found[p] != asked.size()) {
            continue;
        }
        int s = score[p];
        for (const std::string& t : words(pages_[p].title)) {
            for (const std::string& a : asked) {
                if (t.starts_with(a)) {
                    s += kTitleWeight;
                }
            }
        }
        hits.push_back({pages_[p].name, pages_[p].title, s});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        return a.score != b.score ? a.score > b.score : a.title < b.title;
    });
    return hits;
}

} // namespace milora::help
