// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The number text form: how Milora writes a value into an input box, a file line, a version label
// or the settings store. A single keeps 7 significant digits, a double 15; no trailing zeros, no
// leading blank, "." as the decimal point whatever the locale, a zero before the point below 1, and
// the exponent form ("1.234568E+07") only where the plain decimal form cannot hold the value, with
// the same 7 or 15 significant digits (fewer where fewer read back to the same value).

#include <string>

namespace milora::numbers {

std::string number_text(float value);
std::string number_text(double value);

// The same digits as number_text(float) after one blank for a value of zero or more, or "-" for a
// negative one (used where a figure is run into a sentence).
std::string plain_number_text(float value);

} // namespace milora::numbers
