// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Renders any calculator description into a window and keeps it in step with the FormState.
//
// Validation: the boxes are ValidatingEdits, checked when the focus leaves them for another control
// of this window. Buttons and option buttons do not take the focus on a click, so a click first
// checks the box that has the focus and does nothing when it is refused. The title-bar close skips
// validation.

#include "base/car_data.h"
#include "calc/calculator.h"
#include "ui/services.h"

#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace milora::ui {

class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    CalculatorWindow(std::unique_ptr<calc::Calculator> calculator, const CarData& car,
                     const Services& services, QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    const calc::FormState& state() const { return state_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();
    QWidget* build_label(const calc::LabelDesc& d, int index);
    void apply_state();
    void read_boxes();
    std::optional<Message> check_box(const std::string& name, const QString& text);
    bool check_focused_box();
    void on_button(calc::ButtonRole role);
    void on_option(const std::string& group, int index);
    void show_messages();
    void fit_height();

    std::unique_ptr<calc::Calculator> calc_;
    calc::FormState state_;
    Services services_;
    std::map<std::string, QLineEdit*> boxes_;
    std::map<calc::LabelKey, QLabel*> labels_;
    std::map<std::string, std::map<int, QRadioButton*>> options_;
    bool centred_ = false;
};

} // namespace milora::ui
