// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/form_state.h"

#include <stdexcept>

namespace milora::calc {
namespace {

void add_label(const LabelDesc& d, std::map<LabelKey, LabelState>& labels,
               std::vector<LabelKey>& order) {
    LabelState s{d.text, d.visible, d.bold, false, d.points};
    if (!d.is_array()) {
        order.push_back({d.name, kScalar});
        labels[order.back()] = s;
        return;
    }
    for (int i = d.first; i <= d.last; ++i) {
        order.push_back({d.name, i});
        labels[order.back()] = s;
    }
}

template <typename Map> auto& find_or_throw(Map& map, const std::string& name, const char* what) {
    const auto it = map.find(name);
    if (it == map.end()) {
        throw std::out_of_range(std::string("unknown ") + what + " " + name);
    }
    return it->second;
}

} // namespace

FormState::FormState(const WindowDescription& desc) : desc_(&desc) {
    for (const auto& b : desc.boxes) {
        boxes_[b.name] = "";
    }
    for (const auto& g : desc.option_groups) {
        options_[g.name] = {};
    }
    for (const auto& item : desc.results) {
        if (const auto* l = std::get_if<LabelDesc>(&item)) {
            add_label(*l, labels_, label_order_);
        } else {
            for (const auto& row : std::get<GridDesc>(item).rows) {
                add_label(row.caption, labels_, label_order_);
                if (!row.spans()) {
                    add_label(row.cells, labels_, label_order_);
                }
            }
        }
    }
}

std::string& FormState::box(const std::string& name) {
    return find_or_throw(boxes_, name, "box");
}

const std::string& FormState::box(const std::string& name) const {
    return find_or_throw(boxes_, name, "box");
}

LabelState& FormState::label(const std::string& name, int index) {
    const auto it = labels_.find(LabelKey{name, index});
    if (it == labels_.end()) {
        throw std::out_of_range("unknown label " + name + "(" + std::to_string(index) + ")");
    }
    return it->second;
}

const LabelState& FormState::label(const std::string& name, int index) const {
    return const_cast<FormState*>(this)->label(name, index);
}

OptionGroupState& FormState::options(const std::string& group) {
    return find_or_throw(options_, group, "option group");
}

const OptionGroupState& FormState::options(const std::string& group) const {
    return find_or_throw(options_, group, "option group");
}

} // namespace milora::calc
