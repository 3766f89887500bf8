// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The size of a calculator window. It is fixed once, when the window is built, for the largest of
// the texts the window can show with the numbers it opened with (the intro, the result, each
// option), so that Calculate and option clicks do not move its buttons. Texts wrap within that
// width, which never exceeds the screen. Far larger numbers typed later may still need more room:
// then the window grows, never shrinks, and never past the screen; what the screen cannot hold
// scrolls.

#include "base/car_data.h"
#include "calc/calculator.h"

#include <vector>

class QWidget;

namespace milora::ui {

class CalculatorForm;

// The states the window can reach from `opened` by one Calculate and by each option clicked
// before or after it, `opened` first.
std::vector<calc::FormState> sample_states(const calc::WindowDescription& description,
                                           const calc::FormState& opened, const CarData& car);

class CalculatorSizing {
public:
    CalculatorSizing(QWidget& window, CalculatorForm& form, int design_width);

    // Sizes the window for every state in `states`, then shows `current` again.
    void fix(const std::vector<calc::FormState>& states, const calc::FormState& current);
    // After new texts were shown: grows the window where they no longer fit.
    void keep_texts_whole();

private:
    int available_width() const;
    // The widget the form is laid out on: the window, or the page it scrolls.
    QWidget& page() const;
    void grow_to(int width, int height);
    void fix_one_line_widths(const std::vector<calc::FormState>& states);
    bool reserve_label_heights();

    QWidget& window_;
    CalculatorForm& form_;
    int design_width_;
    bool sized_ = false;
};

} // namespace milora::ui
