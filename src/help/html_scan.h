// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A forgiving walk over the tags of an HTML text, for the help file's contents, index and pages.
// It never fails: whatever is not a well-formed tag is text.

#include <cstddef>
#include <string>
#include <string_view>

namespace milora::help {

struct Tag {
    std::string name;            // lower case, "table"
    bool closing = false;        // </table>
    std::size_t begin = 0;       // offset of '<'
    std::size_t end = 0;         // offset just past '>'
    std::string_view attributes; // what follows the name, as written

    // The value of the attribute `key` (case-insensitive), quotes removed; empty when absent.
    std::string attribute(std::string_view key) const;
    // The attribute after position `i` of `attributes` (start at 0): its name and value, both
    // views into the scanned text; false past the last.
    bool next_attribute(std::size_t& i, std::string_view& key, std::string_view& value) const;
};

class HtmlScanner {
public:
    explicit HtmlScanner(std::string_view html) : html_(html) {}

    // The next tag from the current position; false at the end. Comments, <!DOCTYPE> and
    // processing instructions are stepped over.
    bool next_tag(Tag& tag);
    std::size_t position() const { return pos_; }
    // Steps over everything up to the closing tag `</name>` (for <script>, <style>, <title>) and
    // returns what lay before it.
    std::string_view raw_text_until_close(std::string_view name);

private:
    std::string_view html_;
    std::size_t pos_ = 0;
};

bool iequals(std::string_view a, std::string_view b);
void append_utf8(std::string& out, unsigned long code);

} // namespace milora::help
