// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A plain text label, and two labels the plain QLabel does not make: one that shortens a long text
// in the middle to fit its width, and a clickable link that the keyboard can reach and follow.

#include <QLabel>
#include <QList>

class QAction;
class QMenuBar;

namespace milora::ui {

// The letter a caption marks with "&" for Alt (lower case), or a null character when it marks
// none ("&&" is a plain ampersand).
QChar mnemonic_of(const QString& caption);
// Gives every caption in `captions` that has no Alt letter one of its own letters that no other
// caption of the list uses, preferring the first letter of a word; captions that already have
// one keep it. A caption whose letters are all taken stays as it is.
QStringList with_mnemonics(const QStringList& captions);
// The same for the menus of a menu bar and the items of each menu (each menu is its own list).
void add_mnemonics(QMenuBar& bar);

// A label of plain text (never read as rich text) named `name` for tests and tools; `wrap`
// lets a long text wrap within the label's width.
QLabel* plain_label(QWidget* parent, const char* name, const QString& text, bool wrap = false);

// Keeps its whole text in text() and in the tooltip, and draws it on one line, shortened in the
// middle with an ellipsis when it does not fit, so that a long file path neither wraps nor widens
// the window.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // The text as drawn at the label's current width.
    QString shown_text() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A line of underlined text that opens something. Tab reaches it (a click does not take the
// focus from the box being edited), it draws a focus frame, and Enter, Return or Space follow it
// as a click does. After the first use it turns to the visited colour.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, QColor colour, QColor visited, QWidget* parent = nullptr);

    bool visited() const { return visited_; }

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();
    void set_colour(QColor colour);

    QColor visited_colour_;
    bool visited_ = false;
};

} // namespace milora::ui
