// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "help/html_scan.h"

namespace milora::help {
namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool name_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == ':' || c == '_';
}

bool space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

} // namespace

bool iequals(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

void append_utf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool Tag::next_attribute(std::size_t& i, std::string_view& key, std::string_view& value) const {
    const std::string_view a = attributes;
    while (i < a.size()) {
        while (i < a.size() && (space(a[i]) || a[i] == '/')) {
            ++i;
        }
        const std::size_t name_start = i;
        while (i < a.size() && !space(a[i]) && a[i] != '=' && a[i] != '/') {
            ++i;
        }
        key = a.substr(name_start, i - name_start);
        while (i < a.size() && space(a[i])) {
            ++i;
        }
        value = a.substr(i, 0);
        if (i < a.size() && a[i] == '=') {
            ++i;
            while (i < a.size() && space(a[i])) {
                ++i;
            }
            if (i < a.size() && (a[i] == '"' || a[i] == '\'')) {
                const char quote = a[i++];
                const std::size_t close = a.find(quote, i);
                const std::size_t stop = close == std::string_view::npos ? a.size() : close;
                value = a.substr(i, stop - i);
                i = stop == a.size() ? stop : stop + 1;
            } else {
                const std::size_t value_start = i;
                while (i < a.size() && !space(a[i])) {
                    ++i;
                }
                value = a.substr(value_start, i - value_start);
            }
        }
        if (!key.empty()) {
            return true;
        }
        if (i < a.size()) {
            ++i; // a stray '=' or quote
        }
    }
    return false;
}

std::string Tag::attribute(std::string_view key) const {
    std::size_t i = 0;
    std::string_view found;
    std::string_view value;
    while (next_attribute(i, found, value)) {
        if (iequals(found, key)) {
            return std::string(value);
        }
    }
    return {};
}

bool HtmlScanner::next_tag(Tag& tag) {
    while (pos_ < html_.size()) {
        const std::size_t lt = html_.find('<', pos_);
        if (lt == std::string_view::npos) {
            pos_ = html_.size();
            return false;
        }
        if (html_.substr(lt, 4) == "<!--") {
            const std::size_t close = html_.find("-->", lt + 4);
            pos_ = close == std::string_view::npos ? html_.size() : close + 3;
            continue;
        }
        std::size_t i = lt + 1;
        const bool closing = i < html_.size() && html_[i] == '/';
        if (closing) {
            ++i;
        }
        if (i < html_.size() && (html_[i] == '!' || html_[i] == '?')) {
            const std::size_t gt = html_.find('>', i);
            pos_ = gt == std::string_view::npos ? html_.size() : gt + 1;
            continue;
        }
        const std::size_t name_start = i;
        while (i < html_.size() && name_char(html_[i])) {
            ++i;
        }
        if (i == name_start) {
            pos_ = lt + 1; // a '<' in text
            continue;
        }
        // The tag ends at the first '>' outside quotes.
        std::size_t j = i;
        char quote = 0;
        while (j < html_.size() && (quote != 0 || html_[j] != '>')) {
            if (quote != 0) {
                if (html_[j] == quote) {
                    quote = 0;
                }
            } else if ((html_[j] == '"' || html_[j] == '\'') && j > 0 &&
                       (html_[j - 1] == '=' || space(html_[j - 1]))) {
                quote = html_[j];
            }
            ++j;
        }
        if (j >= html_.size()) {
            pos_ = html_.size();
            return false;
        }
        tag.name.clear();
        for (std::size_t k = name_start; k < i; ++k) {
            tag.name += lower(html_[k]);
        }
        tag.closing = closing;
        tag.begin = lt;
        tag.end = j + 1;
        tag.attributes = html_.substr(i, j - i);
        pos_ = j + 1;
        return true;
    }
    return false;
}

std::string_view HtmlScanner::raw_text_until_close(std::string_view name) {
    const std::size_t start = pos_;
    std::size_t at = start;
    while (true) {
        const std::size_t lt = html_.find("</", at);
        if (lt == std::string_view::npos) {
            pos_ = html_.size();
            return html_.substr(start);
        }
        if (iequals(html_.substr(lt + 2, name.size()), name)) {
            const std::size_t gt = html_.find('>', lt);
            pos_ = gt == std::string_view::npos ? html_.size() : gt + 1;
            return html_.substr(start, lt - start);
        }
        at = lt + 2;
    }
}

} // namespace milora::help
