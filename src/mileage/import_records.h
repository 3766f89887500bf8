// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The one reader of delimited records, for Milora's own files and for every export the import
// reads. A record is the cells of one line (or of several, when a quoted cell holds line ends);
// a cell is a view into the file's text, and only a cell whose quotes hide doubled quotes or line
// ends is copied, into a buffer reused from record to record, so a long file costs no allocation
// per row. Blank lines are no records; CR, LF and CR LF all end a line.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace milora::mileage::import {

struct CsvRecord {
    // What reading a cell found, beyond its text.
    enum Flag : std::uint8_t {
        Copied = 1,    // the text lives in `copies`
        Quoted = 2,    // the cell began with a quote
        Unclosed = 4,  // ... that never closed (on its line, when quotes may not span lines)
        TextAfter = 8, // text followed the closing quote (kept: `"Odometer" (km)`)
        SpannedLines = 16,
    };

    std::vector<std::string_view> views;
    std::vector<std::string> copies;
    std::vector<std::uint8_t> flags;
    std::size_t size = 0;
    std::int64_t line = 0;  // 1-based line of the file where the record starts
    bool truncated = false; // more cells than the reader keeps: the last one kept is the last read

    std::string_view operator[](std::size_t i) const {
        return i < size ? views[i] : std::string_view();
    }
    std::string_view cell(int i) const {
        return i < 0 ? std::string_view() : (*this)[static_cast<std::size_t>(i)];
    }
    bool has(std::size_t i, Flag f) const { return i < size && (flags[i] & f) != 0; }
};

class CsvReader {
public:
    // The most line ends a quoted cell may hold: a note of a few lines, not the rest of a file
    // behind a stray quote.
    static constexpr int kQuotedLines = 8;
    // The most cells a record keeps: the cells after them are read past, so that a line of a
    // million separators costs no more memory than a short one. Every layout's columns come first.
    static constexpr std::size_t kMaxCells = 1024;

    // SpanLines: a quoted cell may hold line ends (exports). OneLine: a quote never closes past
    // the end of its line (Milora's own files, one record a line).
    enum class Quotes { SpanLines, OneLine };

    CsvReader(std::string_view text, char sep, Quotes quotes = Quotes::SpanLines);

    // The next record, false at the end of the text.
    bool next(CsvRecord& r);
    // Bytes of the text read so far.
    std::size_t position() const { return pos_; }

private:
    bool read_cell(CsvRecord& r, std::size_t i);
    bool read_quoted(CsvRecord& r, std::size_t i);
    void end_line();
    bool closes_soon(std::size_t from) const;
    std::size_t unquoted_end() const;

    std::string_view text_;
    char sep_;
    Quotes quotes_;
    std::array<bool, 256> ends_{}; // the bytes that end an unquoted cell
    std::size_t pos_ = 0;
    std::int64_t line_ = 1;
};

std::string lower(std::string_view s);

// UTF-16 text (spreadsheets' "Unicode Text": a byte order mark, or ASCII as little-endian pairs)
// as UTF-8; nullopt for any other text.
std::optional<std::string> utf8_from_utf16(std::string_view text);

// The first record of the text split at `sep`, its cells in lower case.
std::vector<std::string> header_cells(std::string_view text, char sep);
// The first record of `reader` as a header, its cells in lower case. False for an empty file.
bool read_header(CsvReader& reader, CsvRecord& r, std::vector<std::string>& header);

int find_column(const std::vector<std::string>& header, std::string_view name);
bool has_all(const std::vector<std::string>& header, std::initializer_list<std::string_view> names);

// Whether `marker` (`## Log`) stands on a line of its own, quotes, blanks and commas around it
// allowed.
bool has_marker(std::string_view text, std::string_view marker);

} // namespace milora::mileage::import
