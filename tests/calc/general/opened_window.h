// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A calculator of the General tab opened as its window opens, driven the way a user drives it:
// boxes typed in and checked as the focus leaves them, then Calculate or an option click.

#include "calc/registry.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

namespace milora::test {

struct OpenedWindow {
    explicit OpenedWindow(const char* window, const CarData& car = {})
        : calc(calc::find_calculator(window)->make()), state(calc::open_window(*calc, car)) {}

    // Types each text into its box; every text must pass validation.
    void type(std::initializer_list<std::pair<const char*, const char*>> boxes) {
        for (const auto& [name, text] : boxes) {
            state.box(name) = text;
            const auto refused = calc::validate_box(state, name);
            EXPECT_FALSE(refused.has_value()) << name << "=" << text << ": " << refused->text;
        }
    }

    // Calculates after typing; the text of `label` afterwards.
    std::string calculate(std::initializer_list<std::pair<const char*, const char*>> boxes = {},
                          const char* label = "lblResults") {
        type(boxes);
        EXPECT_TRUE(calc::run_calculate(*calc, state));
        return state.label(label).text;
    }

    // The message shown when `text` is typed into `box` and the focus leaves it.
    std::string refusal(const char* box, const char* text) {
        state.box(box) = text;
        const auto refused = calc::validate_box(state, box);
        EXPECT_TRUE(refused.has_value()) << box << "=" << text;
        return refused ? refused->title + ": " + refused->text : "";
    }

    std::unique_ptr<calc::Calculator> calc;
    calc::FormState state;
};

} // namespace milora::test
