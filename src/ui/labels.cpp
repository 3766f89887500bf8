// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/labels.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
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

QChar mnemonic_of(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) {
            continue;
        }
        if (caption[i + 1] != QLatin1Char('&')) {
            return caption[i + 1].toLower();
        }
        ++i; // "&&"
    }
    return {};
}

namespace {

// Where `caption` may take an Alt letter not in `used`: a word's first letter if one is free,
// else any letter or digit; -1 when none is free. "&&" is skipped as a whole.
qsizetype free_letter(const QString& caption, const QString& used) {
    qsizetype any = -1;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if (!c.isLetterOrNumber() || used.contains(c.toLower())) {
            continue;
        }
        if (i == 0 || !caption[i - 1].isLetterOrNumber()) {
            return i;
        }
        if (any < 0) {
            any = i;
        }
    }
    return any;
}

} // namespace

QStringList with_mnemonics(const QStringList& captions) {
    QString used;
    for (const QString& caption : captions) {
        if (const QChar c = mnemonic_of(caption); !c.isNull()) {
            used += c;
        }
    }
    QStringList result;
    for (const QString& caption : captions) {
        QString marked = caption;
        if (mnemonic_of(caption).isNull()) {
            if (const qsizetype at = free_letter(caption, used); at >= 0) {
                used += caption[at].toLower();
                marked.insert(at, QLatin1Char('&'));
            }
        }
        result << marked;
    }
    return result;
}

namespace {

void add_mnemonics(const QList<QAction*>& actions) {
    QStringList captions;
    QList<QAction*> named;
    for (QAction* a : actions) {
        if (!a->isSeparator()) {
            captions << a->text();
            named << a;
        }
    }
    const QStringList marked = with_mnemonics(captions);
    for (qsizetype i = 0; i < named.size(); ++i) {
        named[i]->setText(marked[i]);
        if (QMenu* menu = named[i]->menu()) {
            add_mnemonics(menu->actions());
        }
    }
}

} // namespace

void add_mnemonics(QMenuBar& bar) {
    add_mnemonics(bar.actions());
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
