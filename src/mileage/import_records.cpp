// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/import_records.h"

#include "numbers/line_reading.h"

#include <algorithm>

namespace milora::mileage::import {
namespace {

using numbers::is_blank;
using numbers::trim;

std::string_view without_trailing_blanks(std::string_view s) {
    while (!s.empty() && is_blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool line_end(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

CsvReader::CsvReader(std::string_view text, char sep, Quotes quotes)
    : text_(text), sep_(sep), quotes_(quotes) {
    ends_[static_cast<unsigned char>(sep)] = true;
    ends_['\r'] = true;
    ends_['\n'] = true;
}

bool CsvReader::next(CsvRecord& r) {
    while (pos_ < text_.size()) {
        r.line = line_;
        r.size = 0;
        r.truncated = false;
        bool any = false;
        for (;;) {
            if (r.size == CsvReader::kMaxCells) {
                --r.size; // read the rest into the last cell, one after the other
                r.truncated = true;
            }
            if (r.size == r.views.size()) {
                r.views.emplace_back();
                r.copies.emplace_back();
                r.flags.push_back(0);
            }
            any = read_cell(r, r.size) || any;
            ++r.size;
            if (pos_ < text_.size() && text_[pos_] == sep_) {
                ++pos_;
                any = true;
                continue;
            }
            end_line();
            break;
        }
        // The copies may have moved while the record grew: point their views at them anew.
        for (std::size_t i = 0; i < r.size; ++i) {
            if ((r.flags[i] & CsvRecord::Copied) != 0) {
                r.views[i] = r.copies[i];
            }
        }
        if (any) {
            return true;
        }
    }
    return false;
}

void CsvReader::end_line() {
    if (pos_ >= text_.size()) {
        return;
    }
    pos_ += text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n' ? 2 : 1;
    ++line_;
}

std::size_t CsvReader::unquoted_end() const {
    std::size_t end = pos_;
    while (end < text_.size() && !ends_[static_cast<unsigned char>(text_[end])]) {
        ++end;
    }
    return end;
}

// Reads cell i of `r`; true when it holds anything (a pair of quotes counts).
bool CsvReader::read_cell(CsvRecord& r, std::size_t i) {
    r.flags[i] = 0;
    while (pos_ < text_.size() && text_[pos_] != sep_ && is_blank(text_[pos_])) {
        ++pos_;
    }
    if (pos_ >= text_.size() || text_[pos_] != '"') {
        const std::size_t end = unquoted_end();
        r.views[i] = without_trailing_blanks(text_.substr(pos_, end - pos_));
        pos_ = end;
        return !r.views[i].empty();
    }
    r.flags[i] = CsvRecord::Quoted;
    // A plain view when nothing inside needs undoing.
    const std::size_t start = pos_ + 1;
    std::size_t close = start;
    while (close < text_.size() && text_[close] != '"' && !line_end(text_[close])) {
        ++close;
    }
    if (close < text_.size() && text_[close] == '"' &&
        (close + 1 >= text_.size() || text_[close + 1] != '"')) {
        pos_ = close + 1;
        const std::size_t end = unquoted_end();
        if (trim(text_.substr(pos_, end - pos_)).empty()) {
            r.views[i] = text_.substr(start, close - start);
            pos_ = end;
            return true;
        }
    }
    pos_ = start;
    return read_quoted(r, i);
}

// A quoted cell that needs copying: doubled quotes, line ends or text after the closing quote.
bool CsvReader::read_quoted(CsvRecord& r, std::size_t i) {
    std::string& cell = r.copies[i];
    cell.clear();
    bool closed = false;
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == '"') {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                cell += '"';
                pos_ += 2;
                continue;
            }
            ++pos_;
            closed = true;
            break;
        }
        if (line_end(c)) {
            if (quotes_ == Quotes::OneLine || !closes_soon(pos_)) {
                // A stray quote: the cell is the rest of its line, and the lines after it are
                // records of their own.
                break;
            }
            end_line();
            cell += '\n';
            r.flags[i] |= CsvRecord::SpannedLines;
            continue;
        }
        cell += c;
        ++pos_;
    }
    const std::size_t end = unquoted_end();
    const std::string_view after = trim(text_.substr(pos_, end - pos_));
    if (!after.empty()) {
        r.flags[i] |= CsvRecord::TextAfter;
    }
    cell += after;
    pos_ = end;
    r.flags[i] |= CsvRecord::Copied | (closed ? 0 : CsvRecord::Unclosed);
    return true;
}

// Whether a quoted cell that reaches the line end at `from` closes within a few lines: with a
// quote followed by the separator, a line end or the end of the text.
bool CsvReader::closes_soon(std::size_t from) const {
    int lines = 0;
    for (std::size_t i = from; i < text_.size(); ++i) {
        const char c = text_[i];
        if (c == '\n' || (c == '\r' && (i + 1 == text_.size() || text_[i + 1] != '\n'))) {
            if (++lines > kQuotedLines) {
                return false;
            }
            continue;
        }
        if (c != '"') {
            continue;
        }
        if (i + 1 < text_.size() && text_[i + 1] == '"') {
            ++i; // a doubled quote inside the cell
            continue;
        }
        std::size_t after = i + 1;
        while (after < text_.size() && text_[after] != sep_ && is_blank(text_[after])) {
            ++after;
        }
        return after == text_.size() || text_[after] == sep_ || line_end(text_[after]);
    }
    return false;
}

namespace {

void put_utf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::optional<std::string> utf8_from_utf16(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    bool little = true;
    std::size_t pos = 0;
    if (text.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xFE) {
        pos = 2;
    } else if (text.size() >= 2 && byte(0) == 0xFE && byte(1) == 0xFF) {
        little = false;
        pos = 2;
    } else if (text.size() >= 4 && byte(0) != 0 && byte(1) == 0 && byte(2) != 0 && byte(3) == 0) {
        // No byte order mark, but ASCII text as little-endian pairs.
    } else {
        return std::nullopt;
    }
    const auto unit = [&](std::size_t i) -> std::uint32_t {
        const auto lo = static_cast<std::uint32_t>(little ? byte(i) : byte(i + 1));
        const auto hi = static_cast<std::uint32_t>(little ? byte(i + 1) : byte(i));
        return lo | (hi << 8);
    };
    std::string out;
    out.reserve(text.size() / 2);
    for (; pos + 1 < text.size(); pos += 2) {
        std::uint32_t c = unit(pos);
        if (c >= 0xD800 && c < 0xDC00 && pos + 3 < text.size() && unit(pos + 2) >= 0xDC00 &&
            unit(pos + 2) < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(pos + 2) - 0xDC00);
            pos += 2;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        put_utf8(out, c);
    }
    return out;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

bool read_header(CsvReader& reader, CsvRecord& r, std::vector<std::string>& header) {
    if (!reader.next(r)) {
        return false;
    }
    header.clear();
    for (std::size_t i = 0; i < r.size; ++i) {
        header.push_back(lower(r[i]));
    }
    return true;
}

std::vector<std::string> header_cells(std::string_view text, char sep) {
    CsvReader reader(text, sep);
    CsvRecord r;
    std::vector<std::string> out;
    read_header(reader, r, out);
    return out;
}

int find_column(const std::vector<std::string>& header, std::string_view name) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool has_all(const std::vector<std::string>& header,
             std::initializer_list<std::string_view> names) {
    return std::all_of(names.begin(), names.end(),
                       [&](std::string_view n) { return find_column(header, n) >= 0; });
}

bool has_marker(std::string_view text, std::string_view marker) {
    for (std::size_t at = text.find(marker); at != std::string_view::npos;
         at = text.find(marker, at + 1)) {
        std::size_t b = at;
        while (b > 0 && (is_blank(text[b - 1]) || text[b - 1] == '"')) {
            --b;
        }
        std::size_t e = at + marker.size();
        while (e < text.size() && (is_blank(text[e]) || text[e] == '"' || text[e] == ',')) {
            ++e;
        }
        if ((b == 0 || line_end(text[b - 1])) && (e == text.size() || line_end(text[e]))) {
            return true;
        }
    }
    return false;
}

} // namespace milora::mileage::import
