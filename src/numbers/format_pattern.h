// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Display format patterns ("$#0.00", "#0", "#/8ths", "#0 fillups vs. ", ...).
//
// "0" always shows a digit, "#" shows a digit or nothing, the first "." is the decimal point and is
// shown at its place. The integer part shows all its digits, at the first integer placeholder;
// with only "#" before the point a zero integer part shows nothing. Decimals round half away from
// zero on the value's own decimal digits (7 significant digits for a single, 15 for a double), so
// 2.675 held as a single shows as 2.68; trailing "#" decimals show only when not zero. A comma
// shows nothing (no thousands separator is ever shown). Every other character is copied at its
// place. A negative value gets a minus sign before the whole text ("-$12"); a value that rounds to
// zero shows no sign.

#include <string>
#include <string_view>

namespace milora::numbers {

std::string format(float value, std::string_view pattern);
std::string format(double value, std::string_view pattern);
// An extended value is shown from its 15 leading digits, as a double is.
std::string format(long double value, std::string_view pattern);

} // namespace milora::numbers
