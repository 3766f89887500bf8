// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The text box of the calculator windows and Data Settings: it checks its text when the focus
// leaves it for another control of the same window.
//
// A refused text shows its message ("Data Error" and the like) while the focus stays on the box,
// and the box's text is selected afterwards, so that the user can type over it. Switching to
// another window, a popup menu or hiding the window does not check. The check runs once the move
// has finished, so that the focus can be put back cleanly.
//
// Buttons and option buttons of these windows do not take the focus on a click; a click handler
// calls `validate_focused(window)` first and does nothing when it returns false.
//
//     auto* box = new ValidatingEdit(
//         *services.messages, [this](const QString& text) { return check_gas_cost(text); }, this);

#include "base/message.h"

#include <QLineEdit>
#include <functional>
#include <optional>

namespace milora::ui {

class MessageService;

class ValidatingEdit : public QLineEdit {
    Q_OBJECT
public:
    // Given the box's text: the message for a refused text, or nothing when it is accepted.
    using Check = std::function<std::optional<Message>(const QString& text)>;

    ValidatingEdit(MessageService& messages, Check check, QWidget* parent);

    // Checks the text now. A refused text shows its message with the focus on this box, then
    // selects the text; returns false. The parent of the message is the box's window.
    bool validate();

    // Puts the focus on this box and selects its text, without checking the box being left.
    void take_focus_back();

    // Checks the box of `window` that holds the focus, when it is a ValidatingEdit; true when
    // there is none or its text is accepted.
    static bool validate_focused(QWidget* window);

    // While one exists, focus moves check no box: for code that takes the focus away for a moment
    // and puts it back (printing, putting the focus back after a refusal).
    class Unchecked {
    public:
        Unchecked();
        ~Unchecked();
        Unchecked(const Unchecked&) = delete;
        Unchecked& operator=(const Unchecked&) = delete;

    private:
        bool was_;
    };

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    MessageService& messages_;
    Check check_;
};

} // namespace milora::ui
