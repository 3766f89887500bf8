// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Line-oriented readers shared by the car data and mileage file formats.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace milora::numbers {

// A blank inside a line: a space or a tab.
inline bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// `text` without the blanks at either end.
std::string_view trim(std::string_view text);

// Splits file contents into lines: CR LF, a lone CR and a lone LF each end a line.
std::vector<std::string> split_lines(const std::string& contents);

// One line (or item) of a file as a number: blanks around it, an optional sign, digits with an
// optional decimal point and an optional exponent. Anything else, an empty line and thousands
// separators included, is not a number.
std::optional<float> read_line_number(const std::string& line);

} // namespace milora::numbers
