// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "help/sitemap.h"

#include "help/html_scan.h"

#include <algorithm>

namespace milora::help {

std::string decode_entities(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '&') {
            out += text[i++];
            continue;
        }
        const std::size_t semi = text.find(';', i + 1);
        if (semi == std::string_view::npos || semi - i > 10) {
            out += text[i++];
            continue;
        }
        const std::string_view ref = text.substr(i + 1, semi - i - 1);
        unsigned long code = 0;
        bool known = true;
        if (ref == "amp") {
            code = '&';
        } else if (ref == "lt") {
            code = '<';
        } else if (ref == "gt") {
            code = '>';
        } else if (ref == "quot") {
            code = '"';
        } else if (ref == "apos") {
            code = '\'';
        } else if (ref == "nbsp") {
            code = 0xA0;
        } else if (ref.size() > 1 && ref[0] == '#') {
            const bool hex = ref[1] == 'x' || ref[1] == 'X';
            const std::string_view digits = ref.substr(hex ? 2 : 1);
            known = !digits.empty();
            for (const char c : digits) {
                const int d = c >= '0' && c <= '9'          ? c - '0'
                              : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                            : -1;
                if (d < 0 || code > 0x10FFFF) {
                    known = false;
                    break;
                }
                code = code * (hex ? 16 : 10) + static_cast<unsigned long>(d);
            }
            if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
                known = false;
            }
        } else {
            known = false;
        }
        if (!known) {
            out += text[i++];
            continue;
        }
        append_utf8(out, code);
        i = semi + 1;
    }
    return out;
}

namespace {

class SitemapReader {
public:
    explicit SitemapReader(std::string_view html) : scan_(html) {}

    std::vector<SitemapEntry> read() {
        std::vector<SitemapEntry> top;
        // The path of lists from the top to the one being filled; each level's last entry is
        // where a nested list attaches.
        std::vector<std::vector<SitemapEntry>*> lists{&top};
        int ignored_depth = 0; // lists opened beyond the deepest level kept
        SitemapEntry pending;
        std::string pending_title; // the Name of the page that follows
        bool in_object = false;
        Tag tag;
        while (scan_.next_tag(tag)) {
            if (tag.name == "ul") {
                if (tag.closing) {
                    if (ignored_depth > 0) {
                        --ignored_depth;
                    } else if (lists.size() > 1) {
                        lists.pop_back();
                    }
                } else if (ignored_depth > 0 || lists.size() >= kMaxSitemapDepth ||
                           lists.back()->empty()) {
                    // A list with no entry before it, or too deep: its entries join the
                    // current list.
                    if (lists.size() >= kMaxSitemapDepth) {
                        ++ignored_depth;
                    }
                } else {
                    lists.push_back(&lists.back()->back().children);
                }
            } else if (tag.name == "object") {
                if (!tag.closing) {
                    in_object = iequals(tag.attribute("type"), "text/sitemap");
                    pending = SitemapEntry{};
                    pending_title.clear();
                } else if (in_object) {
                    in_object = false;
                    if ((!pending.name.empty() || !pending.local.empty()) &&
                        count_ < kMaxSitemapEntries) {
                        ++count_;
                        lists.back()->push_back(std::move(pending));
                    }
                }
            } else if (tag.name == "param" && in_object) {
                const std::string name = tag.attribute("name");
                const std::string value = decode_entities(tag.attribute("value"));
                // The first Name is the entry's; a later one titles the page after it (an
                // index keyword that names several pages).
                if (iequals(name, "name") && pending.name.empty()) {
                    pending.name = value;
                } else if (iequals(name, "name")) {
                    pending_title = value;
                } else if (iequals(name, "local") && !value.empty()) {
                    if (pending.local.empty()) {
                        pending.local = value;
                    }
                    if (pending.topics.size() < kMaxSitemapTopics) {
                        pending.topics.push_back({std::move(pending_title), value});
                    }
                    pending_title.clear();
                }
            }
        }
        return top;
    }

private:
    HtmlScanner scan_;
    std::size_t count_ = 0;
};

} // namespace

std::vector<SitemapEntry> parse_sitemap(std::string_view html) {
    return SitemapReader(html).read();
}

} // namespace milora::help
