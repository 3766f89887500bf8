// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The two readings of a number from text.
//
// The whole-text reading (Calculate, file readers): the whole text must be one number: blanks
// around it, an optional sign, digits with optional thousands separators (groups of three) and an
// optional decimal point, an optional exponent. "nan", "inf" and hexadecimal forms are not numbers.
//
// The leading-number reading (validation): the number formed by the leading characters that make
// one, blanks skipped anywhere, 0 when there is none ("12abc" is 12, "$3" is 0, "1,000" is 1).

#include <optional>
#include <string_view>

namespace milora::numbers {

std::optional<double> parse_number(std::string_view text);

// The whole-text reading into a single. A text whose value lies beyond the range of a single is
// not a number here (it cannot be held).
std::optional<float> parse_single(std::string_view text);

double leading_number(std::string_view text);

// Reads a figure back from a result label's text: "$1800" is 1800, "-$3" is -3, "1067" is 1067.
std::optional<double> read_back(std::string_view shown);

} // namespace milora::numbers
