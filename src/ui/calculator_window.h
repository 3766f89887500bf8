// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Renders any calculator description into a window and keeps it in step with the FormState.
// The window assembles three parts: the form (its controls, built from the description, and the
// showing of a state), the sizing (calculator_sizing.h) and the logic unit; it only passes the
// user's commands between them.
//
// Validation: the boxes are ValidatingEdits, checked when the focus leaves them for another control
// of this window. Buttons and option buttons do not take the focus on a click, so a click first
// checks the box that has the focus and does nothing when it is refused. The title-bar close skips
// validation.
//
// Keyboard: Enter is Calculate (Enter on a button presses that button), Escape is Exit.

#include "base/car_data.h"
#include "calc/calculator.h"
#include "ui/services.h"

#include <QWidget>
#include <memory>
#include <optional>
#include <string>

namespace milora::ui {

class CalculatorForm;
class CalculatorSizing;

class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    CalculatorWindow(std::unique_ptr<calc::Calculator> calculator, const CarData& car,
                     const Services& services, QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    const calc::FormState& state() const { return state_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void apply_state();
    void read_boxes();
    std::optional<Message> check_box(const std::string& name, const QString& text);
    void on_button(calc::ButtonRole role);
    void on_option(const std::string& group, int index);
    void answer_dialogue();

    std::unique_ptr<calc::Calculator> calc_;
    calc::FormState state_;
    Services services_;
    std::unique_ptr<CalculatorForm> form_;
    std::unique_ptr<CalculatorSizing> sizing_;
    bool centred_ = false;
};

} // namespace milora::ui
