// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/window_description.h"

#include "base/message.h"

#include <stdexcept>

namespace milora::calc {

const BoxDesc* WindowDescription::find_box(std::string_view name) const {
    for (const auto& b : boxes) {
        if (b.name == name) {
            return &b;
        }
    }
    return nullptr;
}

const OptionGroupDesc* WindowDescription::find_option_group(std::string_view name) const {
    for (const auto& g : option_groups) {
        if (g.name == name) {
            return &g;
        }
    }
    return nullptr;
}

BoxDesc box(std::string name, std::string caption, std::string tooltip, std::string message) {
    BoxDesc b;
    b.name = std::move(name);
    b.caption = std::move(caption);
    b.tooltip = std::move(tooltip);
    b.message = std::move(message);
    return b;
}

BoxDesc BoxDesc::from(float CarData::*field) const {
    BoxDesc b = *this;
    b.car_field = field;
    return b;
}

BoxDesc BoxDesc::starting_at(float value) const {
    BoxDesc b = *this;
    b.start_value = value;
    return b;
}

BoxDesc BoxDesc::allowing_zero() const {
    BoxDesc b = *this;
    b.zero_allowed = true;
    return b;
}

BoxDesc BoxDesc::with_plain_message() const {
    BoxDesc b = *this;
    b.plain_message = true;
    return b;
}

BoxDesc BoxDesc::with_label_tooltip(std::string text) const {
    BoxDesc b = *this;
    b.label_tooltip = std::move(text);
    return b;
}

BoxDesc BoxDesc::with_label_name(std::string label) const {
    BoxDesc b = *this;
    b.label_name = std::move(label);
    return b;
}

BoxDesc BoxDesc::limited_to(double limit, std::string refusal) const {
    BoxDesc b = *this;
    b.upper_limit = limit;
    b.limit_message = std::move(refusal);
    return b;
}

BoxDesc BoxDesc::under_heading(std::string text, std::string label) const {
    BoxDesc b = *this;
    b.heading = std::move(text);
    b.heading_name = std::move(label);
    return b;
}

WindowDescription describe_window(std::string window, std::string caption, std::string help_topic,
                                  std::string calculate_tooltip) {
    WindowDescription d;
    d.window = std::move(window);
    d.caption = std::move(caption);
    d.help_topic = std::move(help_topic);
    d.buttons = standard_buttons(std::move(calculate_tooltip));
    return d;
}

ButtonDesc& WindowDescription::button(ButtonRole role) {
    for (auto& b : buttons) {
        if (b.role == role) {
            return b;
        }
    }
    throw std::out_of_range("no button of that role in " + window);
}

void WindowDescription::set_tooltips(std::string print, std::string help, std::string exit) {
    button(ButtonRole::Print).tooltip = std::move(print);
    button(ButtonRole::Help).tooltip = std::move(help);
    button(ButtonRole::Exit).tooltip = std::move(exit);
}

std::vector<ButtonDesc> standard_buttons(std::string calculate_tooltip, std::string print_tooltip,
                                         std::string help_tooltip, std::string exit_tooltip) {
    return {{"cmdCalculate", "Calculate", std::move(calculate_tooltip), ButtonRole::Calculate},
            {"cmdPrint", "Print", std::move(print_tooltip), ButtonRole::Print},
            {"cmdHelp", "Help", std::move(help_tooltip), ButtonRole::Help},
            {"cmdExit", "Exit", std::move(exit_tooltip), ButtonRole::Exit}};
}

} // namespace milora::calc
