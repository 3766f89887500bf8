// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "help/page_text.h"

#include "help/html_scan.h"
#include "help/sitemap.h"

namespace milora::help {
namespace {

bool table_part(const std::string& name) {
    return name == "table" || name == "tbody" || name == "thead" || name == "tfoot" ||
           name == "tr" || name == "td" || name == "th" || name == "caption" || name == "col" ||
           name == "colgroup";
}

// Appends `raw` with its blank runs folded into one blank.
void append_words(std::string& out, std::string_view raw) {
    for (const char c : raw) {
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
        if (blank) {
            if (!out.empty() && out.back() != ' ') {
                out += ' ';
            }
        } else {
            out += c;
        }
    }
}

std::string trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') {
        s.pop_back();
    }
    std::size_t start = 0;
    while (start < s.size() && s[start] == ' ') {
        ++start;
    }
    return s.substr(start);
}

} // namespace

std::string flatten_deep_tables(std::string_view html, int depth) {
    std::string out;
    out.reserve(html.size());
    HtmlScanner scan(html);
    Tag tag;
    std::size_t copied = 0;
    int level = 0;
    while (scan.next_tag(tag)) {
        if (!table_part(tag.name)) {
            continue;
        }
        bool drop = false;
        if (tag.name == "table") {
            if (tag.closing) {
                drop = level > depth;
                if (level > 0) {
                    --level;
                }
            } else {
                ++level;
                drop = level > depth;
            }
        } else {
            drop = level > depth;
        }
        if (!drop) {
            continue;
        }
        out.append(html.substr(copied, tag.begin - copied));
        if (tag.closing && (tag.name == "tr" || tag.name == "table" || tag.name == "caption")) {
            out += "<br>";
        } else if (tag.closing && (tag.name == "td" || tag.name == "th")) {
            out += ' ';
        }
        copied = tag.end;
    }
    out.append(html.substr(copied));
    return out;
}

PageText page_text(std::string_view html) {
    PageText page;
    std::string heading;
    HtmlScanner scan(html);
    Tag tag;
    std::size_t text_from = 0;
    bool in_heading = false;
    while (true) {
        const bool more = scan.next_tag(tag);
        const std::size_t text_to = more ? tag.begin : html.size();
        if (text_to > text_from) {
            const std::string words = decode_entities(html.substr(text_from, text_to - text_from));
            append_words(page.text, words);
            if (in_heading) {
                append_words(heading, words);
            }
        }
        if (!more) {
            break;
        }
        text_from = tag.end;
        if (tag.closing) {
            if (in_heading && (tag.name == "h1" || tag.name == "h2")) {
                in_heading = false;
            }
        } else if (tag.name == "script" || tag.name == "style") {
            scan.raw_text_until_close(tag.name);
            text_from = scan.position();
        } else if (tag.name == "title") {
            const std::string_view title = scan.raw_text_until_close(tag.name);
            if (page.title.empty()) {
                append_words(page.title, decode_entities(title));
            }
            text_from = scan.position();
        } else if ((tag.name == "h1" || tag.name == "h2") && heading.empty()) {
            in_heading = true;
        }
        // Blocks and cells end a word; inline tags (b, a, span) may sit inside one.
        if (tag.name == "p" || tag.name == "br" || tag.name == "td" || tag.name == "th" ||
            tag.name == "li" || tag.name == "div" || tag.name == "tr" || tag.name[0] == 'h') {
            if (!page.text.empty() && page.text.back() != ' ') {
                page.text += ' ';
            }
        }
    }
    page.title = trimmed(page.title);
    if (page.title.empty()) {
        page.title = trimmed(heading);
    }
    page.text = trimmed(page.text);
    return page;
}

} // namespace milora::help
