// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/splash_window.h"

#include "base/car_data.h"
#include "numbers/number_text.h"
#include "ui/qt_text.h"
#include "ui/window_tracker.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace milora::ui {

using ui::latin_text;
using ui::qt_text;

namespace {

QLabel* make_label(QWidget* parent, const char* name, const QString& text, int points, bool bold) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(latin_text(name));
    l->setTextFormat(Qt::PlainText);
    QFont f = l->font();
    if (points > 0) {
        f.setPointSize(points);
    }
    f.setBold(bold);
    l->setFont(f);
    return l;
}

} // namespace

LogoWidget::LogoWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picLogo"));
    setFixedSize(120, 120);
}

void LogoWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect().adjusted(4, 4, -4, -4);
    // A green disc with a road running into the distance and a fuel drop above it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 125, 50));
    p.drawEllipse(r);
    QPainterPath road;
    road.moveTo(r.center().x() - 8, r.center().y() + 6);
    road.lineTo(r.center().x() + 8, r.center().y() + 6);
    road.lineTo(r.center().x() + 34, r.bottom() - 6);
    road.lineTo(r.center().x() - 34, r.bottom() - 6);
    road.closeSubpath();
    p.setBrush(QColor(66, 66, 66));
    p.drawPath(road);
    p.setPen(QPen(QColor(255, 235, 59), 3, Qt::DashLine));
    p.drawLine(QPointF(r.center().x(), r.center().y() + 8),
               QPointF(r.center().x(), r.bottom() - 8));
    QPainterPath drop;
    const QPointF top(r.center().x(), r.top() + 12);
    drop.moveTo(top);
    drop.cubicTo(top + QPointF(22, 26), top + QPointF(16, 44), top + QPointF(0, 44));
    drop.cubicTo(top + QPointF(-16, 44), top + QPointF(-22, 26), top);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 230, 201));
    p.drawPath(drop);
}

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Milora"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fraMainFrame"));
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    outer->addWidget(frame);

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(24, 20, 24, 20);
    grid->setHorizontalSpacing(24);
    grid->addWidget(new LogoWidget(frame), 0, 0, 4, 1, Qt::AlignTop);

    auto* name_row = new QHBoxLayout;
    name_row->setSpacing(0);
    name_row->addWidget(make_label(frame, "lblProductName", QStringLiteral("Milora"), 28, true));
    name_row->addWidget(make_label(frame, "Label5", QStringLiteral("TM"), 7, false), 0,
                        Qt::AlignTop);
    name_row->addStretch(1);
    grid->addLayout(name_row, 0, 1);

    auto* slogans = new QVBoxLayout;
    const char* const names[] = {"Label1", "Label2", "Label3", "Label4"};
    const char* const texts[] = {"Save Gas.", "Save Money.", "Save Your Car.", "Save The Planet."};
    for (int i = 0; i < 3; ++i) {
        slogans->addWidget(make_label(frame, names[i], latin_text(texts[i]), 13, false));
    }
    // The last slogan carries the second trademark mark.
    auto* last = new QHBoxLayout;
    last->setSpacing(0);
    last->addWidget(make_label(frame, names[3], latin_text(texts[3]), 13, false));
    last->addWidget(make_label(frame, "Label6", QStringLiteral("TM"), 7, false), 0, Qt::AlignTop);
    last->addStretch(1);
    slogans->addLayout(last);
    grid->addLayout(slogans, 1, 1);

    auto* version = make_label(frame, "lblVersion", QStringLiteral("Version:"), 0, false);
    auto* date = make_label(frame, "lblDate", QStringLiteral("Date:"), 0, false);
    version->setAlignment(Qt::AlignRight);
    date->setAlignment(Qt::AlignRight);
    grid->addWidget(version, 2, 1);
    grid->addWidget(date, 3, 1);

    // Load: version and date.
    version->setText(QStringLiteral("Version: ") + qt_text(numbers::number_text(Car_Data_Version)));
    date->setText(QStringLiteral("Date: ") + latin_text(Program_Date));
    adjustSize();
}

void SplashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ui::centre_on_screen(this);
}

} // namespace milora::ui
