// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The state of one open calculator window: box texts, option selections, every label's text and
// style, and the dialogue through which it shows messages. The logic unit reads and writes it; a
// renderer mirrors it and answers the dialogue.

#include "base/dialogue.h"
#include "base/message.h"
#include "calc/window_description.h"

#include <compare>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace milora::calc {

struct LabelKey {
    std::string name;
    int index = kScalar;
    auto operator<=>(const LabelKey&) const = default;
};

struct LabelState {
    std::string text;
    bool visible = true;
    bool bold = false;
    bool red = false;
    int points = 0; // 0: the window's font size
};

struct OptionGroupState {
    std::optional<int> selected;
    std::set<int> hidden; // indexes of elements not shown
};

class FormState {
public:
    // Boxes and labels exactly as the description declares them, with their design texts.
    explicit FormState(const WindowDescription& desc);

    const WindowDescription& description() const { return *desc_; }

    // Access by name; an unknown name is a programming error and throws std::out_of_range.
    std::string& box(const std::string& name);
    const std::string& box(const std::string& name) const;
    LabelState& label(const std::string& name, int index = kScalar);
    const LabelState& label(const std::string& name, int index = kScalar) const;
    OptionGroupState& options(const std::string& group);
    const OptionGroupState& options(const std::string& group) const;

    // Every label key in description order (grids row by row, caption first).
    const std::vector<LabelKey>& label_order() const { return label_order_; }

    void show(const Message& m) { dialogue.tell(m); }

    // A window answers it; unattended (milora-calc, a test) it keeps the messages in order.
    Dialogue dialogue;
    std::optional<std::string> fault;

private:
    const WindowDescription* desc_;
    std::map<std::string, std::string, std::less<>> boxes_;
    std::map<std::string, OptionGroupState, std::less<>> options_;
    std::map<LabelKey, LabelState> labels_;
    std::vector<LabelKey> label_order_;
};

} // namespace milora::calc
