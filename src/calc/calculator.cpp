// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/calculator.h"

#include "numbers/number_reading.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

#include <limits>

namespace milora::calc {

void Calculator::load(const CarData& /*car*/, FormState& /*state*/) {}

void Calculator::click_option(FormState& state, const std::string& group, int index) {
    state.options(group).selected = index;
}

float read_box(const FormState& state, const std::string& box) {
    const auto v = numbers::parse_single(state.box(box));
    if (!v) {
        throw BadBoxText(box);
    }
    return *v;
}

double read_box_double(const FormState& state, const std::string& box) {
    const auto v = numbers::parse_number(state.box(box));
    if (!v) {
        throw BadBoxText(box);
    }
    return *v;
}

double read_label(const FormState& state, const std::string& label, int index) {
    const auto v = numbers::read_back(state.label(label, index).text);
    if (!v) {
        throw numbers::FloatFault();
    }
    return *v;
}

bool is_too_large(const std::string& text) {
    const auto value = numbers::parse_number(text);
    return value && *value > std::numeric_limits<float>::max();
}

bool is_valid_box_text(const std::string& text, bool zero_allowed) {
    // Every box holds a single, so a number a single cannot hold ("1e39") is refused here too.
    const auto held = numbers::parse_single(text);
    if (!held) {
        return false;
    }
    // A number too small for a single ("1e-50") is held as 0: above zero only as typed, it would
    // reach Calculate as a zero.
    const double lead = numbers::leading_number(text);
    return zero_allowed ? lead >= 0 : lead > 0 && *held > 0;
}

std::optional<Message> validate_box(const FormState& state, const std::string& box) {
    const BoxDesc* desc = state.description().find_box(box);
    if (desc == nullptr) {
        throw std::out_of_range("unknown box " + box);
    }
    const auto refusal = [desc](const std::string& text) {
        if (desc->plain_message) {
            return Message{kProgramTitle, text, Icon::None, Buttons::Ok};
        }
        return Message{"Data Error", text, Icon::Warning, Buttons::Ok};
    };
    const std::string& text = state.box(box);
    if (desc->upper_limit > 0) {
        // The value Calculate would read: rounded to a single, and beyond any limit when a single
        // cannot hold it.
        if (const auto value = numbers::parse_number(text)) {
            const auto held = numbers::parse_single(text);
            if (!held || double{*held} >= desc->upper_limit) {
                return refusal(desc->limit_message);
            }
        }
    }
    if (is_too_large(text)) {
        // The user entered a number above 0, just one no box can hold: saying "greater than 0"
        // would mislead.
        return refusal(kTooLargeMessage);
    }
    if (!is_valid_box_text(text, desc->zero_allowed)) {
        return refusal(desc->message);
    }
    return std::nullopt;
}

namespace {

template <typename F> Status guarded(FormState& state, F&& step) {
    state.fault.reset();
    try {
        step();
        return {};
    } catch (const numbers::FloatFault&) {
        state.fault = kFaultMessage;
        state.show(Message{kProgramTitle, kFaultMessage, Icon::Warning, Buttons::Ok});
    } catch (const BadBoxText& bad) {
        // Validation admits only numbers, so this is a text set behind its back; do not compute.
        const BoxDesc* desc = state.description().find_box(bad.box());
        state.fault = "not a number: " + bad.box();
        state.show(Message{"Data Error", desc != nullptr ? desc->message : bad.what(),
                           Icon::Warning, Buttons::Ok});
    }
    return Failure{*state.fault};
}

} // namespace

FormState open_window(Calculator& calc, const CarData& car) {
    FormState state(calc.description());
    for (const BoxDesc& box : state.description().boxes) {
        if (box.car_field != nullptr) {
            state.box(box.name) = numbers::number_text(car.*box.car_field);
        } else if (box.start_value) {
            state.box(box.name) = numbers::number_text(*box.start_value);
        }
    }
    // Car data can hold values no calculation survives (yearly miles of 1e38); the window still
    // opens, with the boxes and labels the load could not fill left empty.
    (void)guarded(state, [&] { calc.load(car, state); });
    return state;
}

Status run_calculate(Calculator& calc, FormState& state) {
    return guarded(state, [&] { calc.calculate(state); });
}

Status run_click_option(Calculator& calc, FormState& state, const std::string& group, int index) {
    return guarded(state, [&] { calc.click_option(state, group, index); });
}

} // namespace milora::calc
