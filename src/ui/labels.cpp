// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/labels.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace milora::ui {

QLabel* plain_label(QWidget* parent, const char* name, const QString& text, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    return label;
}

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

QString ElidedLabel::shown_text() const {
    const int width = contentsRect().width() - 2 * margin();
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, std::max(width, 0));
}

QSize ElidedLabel::minimumSizeHint() const {
    // Wide enough for the start and the end of the text around the ellipsis, one line high.
    const QMargins m = contentsMargins();
    return {fontMetrics().horizontalAdvance(QStringLiteral("M")) * 12 + m.left() + m.right(),
            fontMetrics().height() + m.top() + m.bottom() + 2 * margin()};
}

QSize ElidedLabel::sizeHint() const {
    return {minimumSizeHint().width(), minimumSizeHint().height()};
}

void ElidedLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                          shown_text(), foregroundRole());
}

LinkLabel::LinkLabel(const QString& text, QColor colour, QColor visited, QWidget* parent)
    : QLabel(text, parent), visited_colour_(visited) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    // Room for the focus frame around the text.
    setMargin(2);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    set_colour(colour);
}

void LinkLabel::set_colour(QColor colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void LinkLabel::follow() {
    emit activated();
    visited_ = true;
    set_colour(visited_colour_);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        follow();
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            follow();
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace milora::ui
