// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// DTPicker1: the purchase date as a plain text box, so that a date is typed the way people type
// it (mileage/typed_date.h) from wherever the caret is, with a calendar at its right end. What was
// typed stays as typed until the focus leaves; a text that is a date is then shown in the
// fill-up form, and any other text is kept, to be refused with a message when it is added.

#include "mileage/entry_rules.h"

#include <QDate>
#include <QLineEdit>
#include <optional>

class QLocale;

namespace milora::ui {

class MileageDateBox : public QLineEdit {
public:
    explicit MileageDateBox(QWidget* parent);

    // Shows `date` in the fill-up form.
    void setDate(QDate date);
    // What is typed, read as a date in the locale's order.
    std::optional<QDate> date() const;
    // What an entry added now would get: the date in the fill-up form, or the text as typed.
    QString stored_text() const;
    // The date for the entry rules, with today's date to check it against.
    mileage::EntryDate entry_date() const;

    static mileage::DateOrder order(const QLocale& locale);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void show_calendar();
};

} // namespace milora::ui
