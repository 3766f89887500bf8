// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A calculator opened from the built-in car data, driven as a user drives its window: boxes are
// set and must pass the check made when the focus leaves them, then Calculate is clicked.

#include "calc/registry.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

namespace milora::test {

struct OpenedWindow {
    explicit OpenedWindow(const char* window)
        : calc(calc::find_calculator(window)->make()), state(calc::open_window(*calc, CarData{})) {}

    void calculate(std::initializer_list<std::pair<const char*, const char*>> boxes = {}) {
        for (const auto& [name, value] : boxes) {
            state.box(name) = value;
            EXPECT_FALSE(calc::validate_box(state, name)) << name << "=" << value;
        }
        ASSERT_TRUE(calc::run_calculate(*calc, state));
        EXPECT_TRUE(state.messages.empty());
    }

    const std::string& text(const char* label, int index = calc::kScalar) const {
        return state.label(label, index).text;
    }
    bool visible(const char* label, int index = calc::kScalar) const {
        return state.label(label, index).visible;
    }

    std::unique_ptr<calc::Calculator> calc;
    calc::FormState state;
};

} // namespace milora::test
