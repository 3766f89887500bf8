// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A calculator opened from the given car data (the built-in values unless told), as the main
// window opens it, and driven as a user drives its window: boxes typed in and checked as the focus
// leaves them, then Calculate or an option click. Every core test of a calculator uses this one.

#include "calc/registry.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

namespace milora::test {

using BoxTexts = std::initializer_list<std::pair<const char*, const char*>>;

struct OpenedWindow {
    explicit OpenedWindow(const char* window, const CarData& car = {})
        : calc(calc::find_calculator(window)->make()), state(calc::open_window(*calc, car)) {}

    // Types each text into its box; every text must pass validation.
    void type(BoxTexts boxes) {
        for (const auto& [name, text] : boxes) {
            state.box(name) = text;
            const auto refused = calc::validate_box(state, name);
            EXPECT_FALSE(refused.has_value()) << name << "=" << text << ": " << refused->text;
        }
    }

    // Types the texts, then Calculate, which must finish without a message; the text of `label`
    // afterwards (empty where the window has no such label).
    std::string calculate(BoxTexts boxes = {}, const char* label = "lblResults") {
        type(boxes);
        const bool done = calc::run_calculate(*calc, state).ok();
        EXPECT_TRUE(done);
        if (done) {
            EXPECT_TRUE(state.dialogue.kept().empty());
        }
        return has_label(label) ? state.label(label).text : std::string();
    }

    // Clicks Calculate and an option as they stand, with the fault check: false when it failed.
    bool click_calculate() { return calc::run_calculate(*calc, state).ok(); }
    bool click(const char* group, int index) {
        return calc::run_click_option(*calc, state, group, index).ok();
    }

    // The message shown when `text` is typed into `box` and the focus leaves it.
    std::string refusal(const char* box, const char* text) {
        state.box(box) = text;
        const auto refused = calc::validate_box(state, box);
        EXPECT_TRUE(refused.has_value()) << box << "=" << text;
        return refused ? refused->title + ": " + refused->text : "";
    }

    const std::string& text(const char* label, int index = calc::kScalar) const {
        return state.label(label, index).text;
    }
    bool visible(const char* label, int index = calc::kScalar) const {
        return state.label(label, index).visible;
    }
    const std::string& results() const { return state.label("lblResults").text; }

    bool has_label(const char* label) const {
        for (const calc::LabelKey& key : state.label_order()) {
            if (key.name == label && key.index == calc::kScalar) {
                return true;
            }
        }
        return false;
    }

    std::unique_ptr<calc::Calculator> calc;
    calc::FormState state;
};

} // namespace milora::test
