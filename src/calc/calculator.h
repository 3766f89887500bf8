// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The calculator frame.
//
// A calculator is a WindowDescription (data) plus a logic unit (this interface). One object lives
// per open window and may keep the window's private values (tank settings, base speed). The frame
// functions below are what every window does the same way: open, validate a box, calculate with
// the fault check, click an option. The Qt renderer and milora-calc both call only these.

#include "base/car_data.h"
#include "base/constants.h"
#include "base/result.h"
#include "calc/form_state.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace milora::calc {

class Calculator {
public:
    virtual ~Calculator() = default;
    virtual const WindowDescription& description() const = 0;
    // What the window shows at opening beyond the boxes' starting texts, which the frame fills
    // from the description (BoxDesc::car_field, BoxDesc::start_value) before calling this: boxes
    // whose text is worked out, intro texts, selected options. By default nothing.
    virtual void load(const CarData& car, FormState& state);
    // Reads the boxes, computes and writes the result texts.
    virtual void calculate(FormState& state) = 0;
    // A click on option `index` of `group`. By default it only selects the option.
    virtual void click_option(FormState& state, const std::string& group, int index);
};

// The home of every calculator's description: built once, by `Describe`, the first time any window
// of the calculator asks for it. `Base` is Calculator or a shared base of a family of calculators.
template <WindowDescription (*Describe)(), typename Base = Calculator>
class DescribedCalculator : public Base {
public:
    const WindowDescription& description() const final {
        static const WindowDescription d = Describe();
        return d;
    }
};

// Thrown by read_box when a box text is not a number as a whole (validation normally prevents it).
class BadBoxText : public std::runtime_error {
public:
    explicit BadBoxText(std::string box)
        : std::runtime_error("box text is not a number: " + box), box_(std::move(box)) {}
    const std::string& box() const { return box_; }

private:
    std::string box_;
};

// The whole-text reading of a box into a single (Calculate step 2).
float read_box(const FormState& state, const std::string& box);
// Several boxes read with read_box, in the order given: `auto [mpg, price] = read_boxes(s, {...})`.
template <std::size_t N>
std::array<float, N> read_boxes(const FormState& state, const char* const (&boxes)[N]) {
    std::array<float, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        values[i] = read_box(state, boxes[i]);
    }
    return values;
}
// The same reading kept as a double, for the few boxes whose text itself is the value.
double read_box_double(const FormState& state, const std::string& box);
// A figure read back from a label's text as shown ("$1800" -> 1800).
double read_label(const FormState& state, const std::string& label, int index = kScalar);

// A fresh state for the window: design texts, the boxes' starting texts, then the unit's load.
FormState open_window(Calculator& calc, const CarData& car);

// The validation rule; the message box to show when the box's text is refused.
std::optional<Message> validate_box(const FormState& state, const std::string& box);
bool is_valid_box_text(const std::string& text, bool zero_allowed);
// A number above the largest a box holds (a single), refused with kTooLargeMessage.
bool is_too_large(const std::string& text);

// Runs Calculate (or an option click) with the fault check. On a floating-point fault the texts
// written so far stay, `state.fault` is set and the message goes to the state's dialogue; the
// failed status carries the same fault text.
Status run_calculate(Calculator& calc, FormState& state);
Status run_click_option(Calculator& calc, FormState& state, const std::string& group, int index);

} // namespace milora::calc
