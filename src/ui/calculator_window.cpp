// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/calculator_window.h"

#include "ui/calculator_form.h"
#include "ui/calculator_sizing.h"
#include "ui/qt_text.h"
#include "ui/validating_edit.h"
#include "ui/window_tracker.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace milora::ui {

CalculatorWindow::CalculatorWindow(std::unique_ptr<calc::Calculator> calculator, const CarData& car,
                                   const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), calc_(std::move(calculator)),
      state_(calc::open_window(*calc_, car)), services_(services) {
    const calc::WindowDescription& d = calc_->description();
    setObjectName(qt_text(d.window));
    setWindowTitle(qt_text(d.caption));
    setAttribute(Qt::WA_DeleteOnClose);
    CalculatorForm::Actions actions;
    actions.check = [this](const std::string& name, const QString& text) {
        return check_box(name, text);
    };
    actions.option = [this](const std::string& group, int index) { on_option(group, index); };
    actions.button = [this](calc::ButtonRole role) { on_button(role); };
    form_ = std::make_unique<CalculatorForm>(*this, d, *services_.messages, std::move(actions));
    sizing_ = std::make_unique<CalculatorSizing>(*this, *form_, d.width);
    apply_state();
    sizing_->fix(sample_states(d, state_, car), state_);
    // A window of fixed size has nothing to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    answer_dialogue();
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::apply_state() {
    form_->show_boxes(state_);
    form_->show_labels(state_);
    form_->show_options(state_);
    sizing_->keep_texts_whole();
}

void CalculatorWindow::read_boxes() {
    for (const auto& [name, box] : form_->boxes()) {
        state_.box(name) = box->text().toStdString();
    }
}

std::optional<Message> CalculatorWindow::check_box(const std::string& name, const QString& text) {
    state_.box(name) = text.toStdString();
    return calc::validate_box(state_, name);
}

void CalculatorWindow::on_button(calc::ButtonRole role) {
    if (!ValidatingEdit::validate_focused(this)) {
        return;
    }
    const calc::WindowDescription& d = calc_->description();
    switch (role) {
    case calc::ButtonRole::Calculate:
        read_boxes();
        // A message about the numbers (B04's swap) shows before the result it explains.
        (void)calc::run_calculate(*calc_, state_);
        apply_state();
        break;
    case calc::ButtonRole::Print:
        services_.printer->print_widget(this, d.landscape ? Orientation::Landscape
                                                          : Orientation::Portrait);
        break;
    case calc::ButtonRole::Help:
        services_.help->show_topic(this, qt_text(d.help_topic));
        break;
    case calc::ButtonRole::Exit:
        close();
        break;
    }
}

void CalculatorWindow::on_option(const std::string& group, int index) {
    // The clicked option shows its new state only once the box has been accepted.
    form_->show_options(state_);
    if (!ValidatingEdit::validate_focused(this)) {
        return;
    }
    read_boxes();
    (void)calc::run_click_option(*calc_, state_, group, index);
    apply_state();
}

void CalculatorWindow::answer_dialogue() {
    // What opening the window said is shown now; from here on each message shows as it comes.
    for (const Message& m : state_.dialogue.take_kept()) {
        services_.messages->show(this, m);
    }
    state_.dialogue.answer_with(
        [this](const Message& m) { return services_.messages->show(this, m); });
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // On a button Enter presses that button; anywhere else it is Calculate.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        } else if (form_->has_calculate()) {
            on_button(calc::ButtonRole::Calculate);
        }
        return;
    case Qt::Key_Escape:
        on_button(calc::ButtonRole::Exit);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CalculatorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!centred_) {
        centred_ = true;
        centre_on_screen(this);
    }
}

} // namespace milora::ui
