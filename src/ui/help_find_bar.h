// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Find in the page on show: a bar under the page (Ctrl+F), Enter and F3 for the next place,
// Shift+F3 for the one before, round the end of the page.

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace milora::ui {

class HelpFindBar : public QWidget {
    Q_OBJECT
public:
    HelpFindBar(QTextBrowser* page, QWidget* parent);

    // Shows the bar with the cursor in its box.
    void open();
    // The next place of the box's text (the bar opens when the box is empty).
    void find_next(bool backward);
    // Finds `text` in the page from the cursor on (or back), round the end; false when absent.
    bool find_in_page(const QString& text, bool backward = false);
    // A new page: nothing said about the last one.
    void clear_status();
    QLineEdit* box() const { return box_; }
    // The bar's last control in the Tab order.
    QWidget* last_control() const { return previous_; }
    QWidget* next_control() const { return next_; }

private:
    QTextBrowser* page_;
    QLineEdit* box_;
    QLabel* status_;
    QWidget* next_ = nullptr;
    QWidget* previous_ = nullptr;
};

} // namespace milora::ui
