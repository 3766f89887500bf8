// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A row of nine cells as one text, so that a whole row is compared at once: cells joined with
// " | ", a bold cell as *text*, a red one as !text (both: !*text*).

#include "calc/form_state.h"

#include <string>

namespace milora::test {

inline std::string row_text(const calc::FormState& s, const std::string& cells) {
    std::string out;
    for (int i = 0; i <= 8; ++i) {
        const calc::LabelState& l = s.label(cells, i);
        std::string t = l.bold ? "*" + l.text + "*" : l.text;
        out += (i > 0 ? " | " : "") + (l.red ? "!" + t : t);
    }
    return out;
}

} // namespace milora::test
