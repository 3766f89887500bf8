// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The cell readers of the import: numbers, dates and yes/no flags, and the words of headings.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace milora::mileage::import {

// A finite number. With `decimal_comma`, "1.234,5" is 1234.5 (a point that cannot group
// thousands, as in "9.0", is a decimal point after all).
std::optional<double> number(std::string_view cell, bool decimal_comma);

// Whether `cell`, blanks around it dropped, is one of `words` (lower case) in any case.
bool is_one_of(std::string_view cell, std::initializer_list<std::string_view> words);
bool is_yes(std::string_view cell); // 1, yes, y, true, x, and yes in the languages of the headings
bool is_no(std::string_view cell);  // 0, no, n, false, and no in those languages

bool contains(std::string_view s, std::string_view part);
// Whether `word` stands in `h` with no letter or digit on either side.
bool has_word(std::string_view h, std::string_view word);

// A cell as quoted in a reason: cut short, control characters shown as "?".
std::string shown(std::string_view cell);

} // namespace milora::mileage::import
