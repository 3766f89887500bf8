// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Reading the handbook's pages as a reader sees them: the text without tags, entities decoded,
// white space collapsed; and the pieces the tests look at (result elements, anchors, worked
// examples, contents and index entries).

#include <cctype>
#include <cstdint>
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

inline void append_utf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The named entities a page may use, and every numeric one. An unknown entity stays as written,
// so that a comparison with the program's text fails visibly rather than silently matching.
inline std::string decode_entities(std::string_view s) {
    static const std::pair<std::string_view, std::uint32_t> kNamed[] = {
        {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},
        {"apos", '\''},    {"nbsp", ' '},     {"ndash", 0x2013}, {"mdash", 0x2014},
        {"rsquo", 0x2019}, {"lsquo", 0x2018}, {"rdquo", 0x201D}, {"ldquo", 0x201C},
        {"deg", 0xB0},     {"times", 0xD7},   {"minus", 0x2212}, {"frac12", 0xBD},
    };
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t semi = s[i] == '&' ? s.find(';', i) : std::string_view::npos;
        if (semi == std::string_view::npos || semi - i > 10) {
            out += s[i++];
            continue;
        }
        const std::string_view name = s.substr(i + 1, semi - i - 1);
        bool done = false;
        if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const std::string_view digits = name.substr(hex ? 2 : 1);
            std::uint32_t cp = 0;
            bool ok = !digits.empty();
            for (const char c : digits) {
                const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                              : hex && std::isxdigit(static_cast<unsigned char>(c))
                                  ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                                  : -1;
                if (d < 0 || cp > 0x10FFFF) {
                    ok = false;
                    break;
                }
                cp = cp * (hex ? 16u : 10u) + static_cast<std::uint32_t>(d);
            }
            if (ok && cp <= 0x10FFFF) {
                append_utf8(out, cp == 0xA0 ? ' ' : cp);
                done = true;
            }
        } else {
            for (const auto& [n, cp] : kNamed) {
                if (name == n) {
                    append_utf8(out, cp);
                    done = true;
                    break;
                }
            }
        }
        if (done) {
            i = semi + 1;
        } else {
            out += s[i++];
        }
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

// Whether the tag starting at `lt` is one that sits inside a line of text (<b>, </a>, <span>):
// it joins what is around it, "<b>Gas Cost</b>:" reads "Gas Cost:".
inline bool is_inline_tag(std::string_view html, std::size_t lt) {
    std::size_t p = lt + 1;
    if (p < html.size() && html[p] == '/') {
        ++p;
    }
    std::size_t end = p;
    while (end < html.size() && std::isalnum(static_cast<unsigned char>(html[end]))) {
        ++end;
    }
    const std::string name = lower(html.substr(p, end - p));
    for (const char* tag : {"a", "b", "i", "em", "strong", "span", "code", "sub", "sup", "small"}) {
        if (name == tag) {
            return true;
        }
    }
    return false;
}

// Tags other than inline ones become blanks (a paragraph or cell ends a word); the head (title,
// style sheet link) is dropped.
inline std::string strip_tags(std::string_view html) {
    std::string body(html);
    const std::string low = lower(body);
    const std::size_t head = low.find("<head");
    const std::size_t head_end = low.find("</head>");
    if (head != std::string::npos && head_end != std::string::npos && head < head_end) {
        body.erase(head, head_end + 7 - head);
    }
    std::string out;
    bool in_tag = false;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == '<') {
            in_tag = true;
            if (!is_inline_tag(body, i)) {
                out += ' ';
            }
        } else if (c == '>' && in_tag) {
            in_tag = false;
        } else if (!in_tag) {
            out += c;
        }
    }
    return out;
}

// The text a reader sees.
inline std::string visible_text(std::string_view html) {
    return collapse(decode_entities(strip_tags(html)));
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

// The value of attribute `name` in the opening tag `tag` ("<div class=... title=...>"), or empty.
inline std::string attribute(std::string_view tag, std::string_view name) {
    const std::string low = lower(tag);
    std::size_t at = 0;
    while ((at = low.find(lower(name), at)) != std::string::npos) {
        const bool word_start = at > 0 && std::isspace(static_cast<unsigned char>(low[at - 1]));
        std::size_t p = at + name.size();
        while (p < low.size() && low[p] == ' ') {
            ++p;
        }
        if (word_start && p < low.size() && low[p] == '=') {
            ++p;
            while (p < low.size() && low[p] == ' ') {
                ++p;
            }
            if (p < low.size() && (low[p] == '"' || low[p] == '\'')) {
                const std::size_t end = low.find(low[p], p + 1);
                if (end != std::string::npos) {
                    return std::string(tag.substr(p + 1, end - p - 1));
                }
            }
        }
        at += name.size();
    }
    return {};
}

struct Element {
    std::string open_tag; // "<div class=\"example\" title=\"...\">"
    std::string inner;    // the HTML between the opening and the matching closing tag
};

// Every element whose opening tag has class `cls`, with its content up to the matching closing
// tag (elements of the same name nested inside are counted).
inline std::vector<Element> elements_of_class(std::string_view html, std::string_view cls) {
    std::vector<Element> found;
    const std::string low = lower(html);
    for (std::size_t lt = low.find('<'); lt != std::string::npos; lt = low.find('<', lt + 1)) {
        const std::size_t gt = low.find('>', lt);
        if (gt == std::string::npos) {
            break;
        }
        const std::string_view tag = std::string_view(html).substr(lt, gt + 1 - lt);
        if (tag.size() < 2 || !std::isalpha(static_cast<unsigned char>(tag[1])) ||
            attribute(tag, "class") != cls) {
            continue;
        }
        std::size_t name_end = 1;
        while (name_end < tag.size() && std::isalnum(static_cast<unsigned char>(tag[name_end]))) {
            ++name_end;
        }
        const std::string name = lower(tag.substr(1, name_end - 1));
        // "<b" must not find "<blockquote".
        const auto find_tag = [&low](const std::string& prefix, std::size_t from) {
            std::size_t at = low.find(prefix, from);
            while (at != std::string::npos && at + prefix.size() < low.size() &&
                   std::isalnum(static_cast<unsigned char>(low[at + prefix.size()]))) {
                at = low.find(prefix, at + 1);
            }
            return at;
        };
        int depth = 1;
        std::size_t p = gt + 1;
        std::size_t close = std::string::npos;
        while (depth > 0) {
            const std::size_t open_at = find_tag("<" + name, p);
            const std::size_t close_at = find_tag("</" + name, p);
            if (close_at == std::string::npos) {
                break;
            }
            if (open_at != std::string::npos && open_at < close_at) {
                ++depth;
                p = open_at + 1;
            } else {
                --depth;
                close = close_at;
                p = close_at + 1;
            }
        }
        Element e;
        e.open_tag = std::string(tag);
        e.inner = std::string(
            html.substr(gt + 1, (close == std::string::npos ? low.size() : close) - (gt + 1)));
        found.push_back(std::move(e));
    }
    return found;
}

// Whether the page has an element with id or name `anchor` (case matters, as in a link).
inline bool has_anchor(std::string_view html, std::string_view anchor) {
    for (const char* attr : {"id", "name"}) {
        for (const char quote : {'"', '\''}) {
            const std::string needle =
                std::string(attr) + "=" + quote + std::string(anchor) + quote;
            for (std::size_t at = html.find(needle); at != std::string::npos;
                 at = html.find(needle, at + 1)) {
                if (at > 0 && std::isspace(static_cast<unsigned char>(html[at - 1]))) {
                    return true;
                }
            }
        }
    }
    return false;
}

// The Local values of a contents (.hhc) or index (.hhk) file, in order.
inline std::vector<std::string> sitemap_locals(std::string_view sitemap) {
    std::vector<std::string> locals;
    const std::string low = lower(sitemap);
    for (std::size_t at = low.find("<param"); at != std::string::npos;
         at = low.find("<param", at + 1)) {
        const std::size_t gt = low.find('>', at);
        if (gt == std::string::npos) {
            break;
        }
        const std::string_view tag = sitemap.substr(at, gt + 1 - at);
        if (lower(attribute(tag, "name")) == "local") {
            locals.push_back(decode_entities(attribute(tag, "value")));
        }
    }
    return locals;
}

} // namespace milora::handbook_test
