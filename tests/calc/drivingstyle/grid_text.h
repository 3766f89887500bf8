// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A row of nine cells as one text, so that a whole row is compared at once: cells joined with
// " | ", a bold cell as *text*, a red one as !text (both: !*text*).

#include "calc/calculator.h"
#include "calc/registry.h"

#include <memory>
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

// A calculator window opened from the given car data, as the main window opens it.
struct Opened {
    explicit Opened(const char* window, const CarData& car = CarData{})
        : calc(calc::find_calculator(window)->make()), state(calc::open_window(*calc, car)) {}
    bool calculate() { return calc::run_calculate(*calc, state); }
    bool click(const char* group, int index) {
        return calc::run_click_option(*calc, state, group, index);
    }
    std::unique_ptr<calc::Calculator> calc;
    calc::FormState state;
};

} // namespace milora::test
