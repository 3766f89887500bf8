// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The layouts the import reads, one row each: how the layout is told from a file's text and how
// its rows are read. A new layout is one read function and one row of the table.

#include "mileage/import_rows.h"

#include <span>
#include <string_view>

namespace milora::mileage::import {

struct Layout {
    ImportFormat format;
    const char* name; // as `milora-calc mileage --from` takes it and the JSON report gives it
    const char* app;  // as the user is shown it
    bool (*detect)(std::string_view text);
    // Reads the rows of `text` into `p`; false when the text is not in this layout. Null for
    // Milora's own files, which mileage_file.h reads.
    bool (*read)(std::string_view text, Parsed& p);
};

// In the order in which detection tries them.
std::span<const Layout> layouts();
const Layout& layout(ImportFormat format);

bool is_milora_file(std::string_view text);
bool is_fuelly(std::string_view text);
bool read_fuelly(std::string_view text, Parsed& p);
bool is_fuelio(std::string_view text);
bool read_fuelio(std::string_view text, Parsed& p);
bool is_lubelogger(std::string_view text);
bool read_lubelogger(std::string_view text, Parsed& p);
bool is_spritmonitor(std::string_view text);
bool read_spritmonitor(std::string_view text, Parsed& p);
bool is_drivvo(std::string_view text);
bool read_drivvo(std::string_view text, Parsed& p);
bool is_generic(std::string_view text);
bool read_generic(std::string_view text, Parsed& p);

} // namespace milora::mileage::import
