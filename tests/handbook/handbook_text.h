// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Reading the handbook's pages as the help viewer reads them: the program's own page text, tag
// scanner and sitemap reader, and on top of them the pieces the tests look at (result elements,
// anchors, worked examples, contents and index entries).

#include "help/html_scan.h"
#include "help/page_text.h"
#include "help/sitemap.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace milora::handbook_test {

// The handbook's sources, for the tests that read pages as written.
inline const std::filesystem::path kSource = MILORA_HANDBOOK_SOURCE;

inline std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// Runs of white space become one blank; none at either end.
inline std::string collapse(std::string_view s) {
    std::string out;
    bool blank = false;
    for (const char c : s) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            blank = !out.empty();
        } else {
            if (blank) {
                out += ' ';
            }
            blank = false;
            out += c;
        }
    }
    return out;
}

// The text a reader sees, as the viewer's search takes it from the page. A no-break space counts
// as a blank, as it does on screen.
inline std::string visible_text(std::string_view html) {
    std::string text = help::page_text(html).text;
    for (std::size_t at = text.find("\xC2\xA0"); at != std::string::npos;
         at = text.find("\xC2\xA0", at)) {
        text.replace(at, 2, " ");
    }
    return collapse(text);
}

inline std::size_t word_count(std::string_view html) {
    std::size_t words = 0;
    bool in_word = false;
    for (const char c : visible_text(html)) {
        const bool space = c == ' ';
        words += !space && !in_word ? 1 : 0;
        in_word = !space;
    }
    return words;
}

struct Element {
    std::string open_tag; // "<div class=\"example\" title=\"...\">"
    std::string inner;    // the HTML between the opening and the matching closing tag

    // The value of attribute `key` of the opening tag, character references decoded.
    std::string attribute(std::string_view key) const {
        help::HtmlScanner scan(open_tag);
        help::Tag tag;
        return scan.next_tag(tag) ? help::decode_entities(tag.attribute(key)) : std::string();
    }
};

// Every element whose opening tag has class `cls`, with its content up to the matching closing
// tag (elements of the same name nested inside are counted).
inline std::vector<Element> elements_of_class(std::string_view html, std::string_view cls) {
    std::vector<Element> found;
    help::HtmlScanner scan(html);
    help::Tag tag;
    std::vector<help::Tag> tags;
    while (scan.next_tag(tag)) {
        tags.push_back(tag);
    }
    for (std::size_t i = 0; i < tags.size(); ++i) {
        if (tags[i].closing || tags[i].attribute("class") != cls) {
            continue;
        }
        int depth = 1;
        std::size_t close = html.size();
        for (std::size_t j = i + 1; j < tags.size() && depth > 0; ++j) {
            if (tags[j].name == tags[i].name) {
                depth += tags[j].closing ? -1 : 1;
                if (depth == 0) {
                    close = tags[j].begin;
                }
            }
        }
        found.push_back({std::string(html.substr(tags[i].begin, tags[i].end - tags[i].begin)),
                         std::string(html.substr(tags[i].end, close - tags[i].end))});
    }
    return found;
}

// Whether the page has an element with id or name `anchor` (case matters, as in a link).
inline bool has_anchor(std::string_view html, std::string_view anchor) {
    help::HtmlScanner scan(html);
    help::Tag tag;
    while (scan.next_tag(tag)) {
        if (!tag.closing && (tag.attribute("id") == anchor ||
                             (tag.name == "a" && tag.attribute("name") == anchor))) {
            return true;
        }
    }
    return false;
}

// Every entry of a contents (.hhc) or index (.hhk) file, children after their parent, as the
// help viewer reads them.
inline std::vector<help::SitemapEntry> sitemap_entries(std::string_view sitemap) {
    std::vector<help::SitemapEntry> flat;
    std::vector<help::SitemapEntry> todo = help::parse_sitemap(sitemap);
    std::reverse(todo.begin(), todo.end());
    while (!todo.empty()) {
        help::SitemapEntry e = std::move(todo.back());
        todo.pop_back();
        for (auto it = e.children.rbegin(); it != e.children.rend(); ++it) {
            todo.push_back(std::move(*it));
        }
        e.children.clear();
        flat.push_back(std::move(e));
    }
    return flat;
}

// The Local values of a contents or index file, in order; headings without a page left out.
inline std::vector<std::string> sitemap_locals(std::string_view sitemap) {
    std::vector<std::string> locals;
    for (const help::SitemapEntry& e : sitemap_entries(sitemap)) {
        if (!e.local.empty()) {
            locals.push_back(e.local);
        }
    }
    return locals;
}

} // namespace milora::handbook_test
