// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Renders any calculator description into a window and keeps it in step with the FormState.
//
// Validation: the boxes are ValidatingEdits, checked when the focus leaves them for another control
// of this window. Buttons and option buttons do not take the focus on a click, so a click first
// checks the box that has the focus and does nothing when it is refused. The title-bar close skips
// validation.
//
// Size: the window is sized once, when it is built, for the largest of the texts it can show with
// the numbers it opened with (the intro, the result, each option), so that Calculate and option
// clicks do not move its buttons. Texts wrap within that width, which never exceeds the screen.
//
// Keyboard: Enter is Calculate (Enter on a button presses that button), Escape is Exit.

#include "base/car_data.h"
#include "calc/calculator.h"
#include "ui/services.h"

#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace milora::ui {

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
    struct BoxPlace {
        int row;
        int column;
        QWidget* box;
    };

    void build();
    void build_boxes(QVBoxLayout& root);
    void build_option_groups(QVBoxLayout& root);
    QRadioButton* build_option(const calc::OptionGroupDesc& g, const calc::OptionDesc& o);
    void build_results(QVBoxLayout& root);
    QGridLayout* build_grid(const calc::GridDesc& grid_desc);
    QLabel* build_label(const calc::LabelDesc& d, int index);
    void build_buttons(QVBoxLayout& root);
    void set_tab_order();

    std::vector<calc::FormState> sample_states(const CarData& car) const;
    int available_width() const;
    int available_height() const;
    void fix_size(const CarData& car);
    bool reserve_label_heights();
    void keep_texts_whole();
    void keep_on_screen();

    void apply_state();
    void show_labels(const calc::FormState& state);
    void show_options();
    void read_boxes();
    std::optional<Message> check_box(const std::string& name, const QString& text);
    bool check_focused_box();
    void on_button(calc::ButtonRole role);
    void on_option(const std::string& group, int index);
    void answer_dialogue();

    std::unique_ptr<calc::Calculator> calc_;
    calc::FormState state_;
    Services services_;
    std::map<std::string, QLineEdit*> boxes_;
    std::map<calc::LabelKey, QLabel*> labels_;
    std::map<std::string, std::map<int, QRadioButton*>> options_;
    std::vector<BoxPlace> box_places_;
    std::vector<QWidget*> option_order_;
    std::vector<QWidget*> button_order_;
    std::vector<QLabel*> one_line_labels_;
    std::vector<QLabel*> row_captions_;
    std::map<QLabel*, int> reserved_heights_; // lines kept for each text, in pixels
    bool has_calculate_ = false;
    bool sized_ = false;
    bool centred_ = false;
};

} // namespace milora::ui
