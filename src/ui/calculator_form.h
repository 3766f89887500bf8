// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The widgets of a calculator window, built from its description, and the showing of a FormState
// in them. The form knows no calculation: what a box check, an option click or a button does is
// handed in as Actions by the window.

#include "base/message.h"
#include "calc/calculator.h"

#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;
class QWidget;

namespace milora::ui {

class MessageService;

class CalculatorForm {
public:
    struct Actions {
        std::function<std::optional<Message>(const std::string& box, const QString& text)> check;
        std::function<void(const std::string& group, int index)> option;
        std::function<void(calc::ButtonRole role)> button;
    };

    // Builds every control into `window`, which gets a new layout, and sets the Tab order.
    CalculatorForm(QWidget& window, const calc::WindowDescription& description,
                   MessageService& messages, Actions actions);

    void show_boxes(const calc::FormState& state);
    void show_labels(const calc::FormState& state);
    void show_options(const calc::FormState& state);

    const std::map<std::string, QLineEdit*>& boxes() const { return boxes_; }
    const std::map<calc::LabelKey, QLabel*>& labels() const { return labels_; }
    // Texts meant for one line, and the captions of the rows of a grid.
    const std::vector<QLabel*>& one_line_labels() const { return one_line_labels_; }
    const std::vector<QLabel*>& row_captions() const { return row_captions_; }
    // The height kept for each text, in pixels, so that Calculate does not move the buttons.
    std::map<QLabel*, int>& reserved_heights() { return reserved_heights_; }
    bool has_calculate() const { return has_calculate_; }

private:
    struct BoxPlace {
        int row;
        int column;
        QWidget* box;
    };

    void build_boxes(QVBoxLayout& root, MessageService& messages);
    void build_option_groups(QVBoxLayout& root);
    QRadioButton* build_option(const calc::OptionGroupDesc& g, const calc::OptionDesc& o);
    void build_results(QVBoxLayout& root);
    QGridLayout* build_grid(const calc::GridDesc& grid_desc);
    QLabel* build_label(const calc::LabelDesc& d, int index);
    void build_buttons(QVBoxLayout& root);
    void set_tab_order();

    QWidget& window_;
    const calc::WindowDescription& description_;
    Actions actions_;
    std::map<std::string, QLineEdit*> boxes_;
    std::map<calc::LabelKey, QLabel*> labels_;
    std::map<std::string, std::map<int, QRadioButton*>> options_;
    std::vector<BoxPlace> box_places_;
    std::vector<QWidget*> option_order_;
    std::vector<QWidget*> button_order_;
    std::vector<QLabel*> one_line_labels_;
    std::vector<QLabel*> row_captions_;
    std::map<QLabel*, int> reserved_heights_;
    bool has_calculate_ = false;
};

} // namespace milora::ui
