// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// One calculator for every maintenance window that answers with a single MPG-loss sentence in
// `lblResults`. A window is a LossWindow table: its description, where each box starts, the order
// in which Calculate reads the boxes, the distance and the fraction of MPG kept, and the pieces of
// the result sentence. The model itself is in mpg_loss.h.

#include "base/car_data.h"
#include "calc/calculator.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace milora::calc::maintenance {

// The validation messages that several maintenance windows share.
inline constexpr const char* kMpgMessage = "Please enter a valid number for MPG, greater than 0.";
inline constexpr const char* kGasCostMessage =
    "Please enter a valid number for gas cost, greater than 0.";

// The values read from the boxes at Calculate, by box name.
using BoxValues = std::map<std::string, float, std::less<>>;

// A box's text at load: a car data field, or else a constant, in the number text form.
struct InitialValue {
    std::string box;
    float CarData::*field = nullptr;
    float constant = 0;
};

// A piece of the result sentence: a literal text, or a figure formatted with a pattern.
struct Piece {
    enum class Kind { Text, Input, Cost, Co2 };
    Kind kind = Kind::Text;
    std::string text; // the literal, or the figure's pattern
    std::string box;  // Kind::Input: the box whose value is shown

    static Piece literal(std::string words);
    static Piece input(std::string box_name, std::string pattern);
    static Piece cost(std::string pattern);
    static Piece co2(std::string pattern);
};

// A box value at or above `limit` is refused at Calculate, before anything is computed.
struct UpperLimit {
    std::string box;
    float limit = 0;
    std::string message;
};

struct LossWindow {
    WindowDescription description; // boxes in the order they are shown
    std::string intro;
    std::vector<InitialValue> initial;
    std::vector<std::string> read_order; // the order in which Calculate reads the boxes
    std::string distance_box;            // empty: `distance` is fixed
    float distance = 0;
    double (*kept)(const BoxValues&) = nullptr; // the fraction of its MPG the car keeps
    std::optional<UpperLimit> limit;
    std::vector<Piece> result;
};

// The logic unit for `window`, which must outlive it (the tables are static).
std::unique_ptr<Calculator> make_loss_calculator(const LossWindow& window);

} // namespace milora::calc::maintenance
