// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "help/page_text.h"

#include "help/html_scan.h"
#include "help/sitemap.h"

#include <algorithm>
#include <climits>

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

// The text between two tags, without the comments and declarations the scanner stepped over.
std::string without_comments(std::string_view raw) {
    std::string out;
    std::size_t at = 0;
    while (at < raw.size()) {
        const std::size_t lt = raw.find("<!", at);
        const std::size_t pi = raw.find("<?", at);
        const std::size_t start = std::min(lt, pi);
        if (start == std::string_view::npos) {
            break;
        }
        out.append(raw.substr(at, start - at));
        const bool comment = raw.substr(start, 4) == "<!--";
        const std::size_t close = comment ? raw.find("-->", start + 4) : raw.find('>', start);
        at = close == std::string_view::npos ? raw.size() : close + (comment ? 3 : 1);
    }
    if (at < raw.size()) {
        out.append(raw.substr(at));
    }
    return out;
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

// The number an attribute value starts with, leading blanks skipped; false when it starts with
// no digit. Digits past what a long holds leave it at LONG_MAX.
bool leading_number(std::string_view value, long& number, std::size_t& digits_end) {
    std::size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t')) {
        ++i;
    }
    const std::size_t first = i;
    number = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        const long digit = value[i] - '0';
        number = number > (LONG_MAX - digit) / 10 ? LONG_MAX : number * 10 + digit;
    }
    digits_end = i;
    return i > first;
}

long span_of(const Tag& tag, std::string_view key) {
    long n = 0;
    std::size_t end = 0;
    const std::string value = tag.attribute(key);
    return leading_number(value, n, end) && n > 1 ? std::min(n, kLargestSpan) : 1;
}

// The bound of a sizing attribute of `tag`; 0 for an attribute that is not bounded.
long bound_of(const Tag& tag, std::string_view key, bool percent) {
    if (iequals(key, "colspan") || iequals(key, "rowspan")) {
        return kLargestSpan;
    }
    if (iequals(key, "width") || iequals(key, "height")) {
        return percent ? 100 : kLargestLength;
    }
    if (iequals(key, "size")) {
        return tag.name == "font" || tag.name == "basefont" ? kLargestFontSize : kLargestLength;
    }
    return 0;
}

} // namespace

std::string bound_sizes(std::string_view html) {
    std::string out;
    HtmlScanner scan(html);
    Tag tag;
    std::size_t copied = 0;
    while (scan.next_tag(tag)) {
        if (tag.closing) {
            continue;
        }
        std::size_t i = 0;
        std::string_view key;
        std::string_view value;
        while (tag.next_attribute(i, key, value)) {
            long n = 0;
            std::size_t digits_end = 0;
            if (!leading_number(value, n, digits_end)) {
                continue;
            }
            const bool percent = value.substr(digits_end).starts_with('%');
            const long bound = bound_of(tag, key, percent);
            if (bound == 0 || n <= bound) {
                continue;
            }
            const auto at = static_cast<std::size_t>(value.data() - html.data());
            out.append(html.substr(copied, at - copied));
            out += std::to_string(bound);
            copied = at + digits_end;
        }
    }
    if (copied == 0) {
        return std::string(html);
    }
    out.append(html.substr(copied));
    return out;
}

std::string flatten_deep_tables(std::string_view html, int depth) {
    {
        HtmlScanner count(html);
        Tag tag;
        std::size_t cells = 0;
        while (count.next_tag(tag) && cells <= kMostTableCells) {
            if (!tag.closing && (tag.name == "td" || tag.name == "th")) {
                // Both at most kLargestSpan, so the product cannot overflow.
                cells +=
                    static_cast<std::size_t>(span_of(tag, "colspan") * span_of(tag, "rowspan"));
            }
        }
        if (cells > kMostTableCells) {
            depth = 0;
        }
    }
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

std::string break_long_words(std::string_view html) {
    static constexpr std::string_view kBreak = "\xE2\x80\x8B"; // U+200B ZERO WIDTH SPACE
    std::string out;
    out.reserve(html.size() + html.size() / kLongestWord * kBreak.size());
    HtmlScanner scan(html);
    Tag tag;
    std::size_t text_from = 0;
    std::size_t run = 0; // bytes without a blank so far; a tag does not end a word
    while (true) {
        const bool more = scan.next_tag(tag);
        const std::size_t text_to = more ? tag.begin : html.size();
        bool in_reference = false;
        for (std::size_t i = text_from; i < text_to; ++i) {
            const auto c = static_cast<unsigned char>(html[i]);
            const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
            if (c == '&') {
                in_reference = true;
            } else if (blank) {
                in_reference = false;
            }
            // Not inside a character reference, nor inside a UTF-8 sequence.
            if (run >= kLongestWord && !in_reference && (c & 0xC0) != 0x80) {
                out += kBreak;
                run = 0;
            }
            out += static_cast<char>(c);
            run = blank ? 0 : run + 1;
            if (c == ';') {
                in_reference = false;
            }
        }
        if (!more) {
            break;
        }
        out.append(html.substr(tag.begin, tag.end - tag.begin));
        text_from = tag.end;
        if (!tag.closing && (tag.name == "script" || tag.name == "style" || tag.name == "title")) {
            scan.raw_text_until_close(tag.name);
            out.append(html.substr(tag.end, scan.position() - tag.end));
            text_from = scan.position();
        }
    }
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
            const std::string words =
                decode_entities(without_comments(html.substr(text_from, text_to - text_from)));
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
