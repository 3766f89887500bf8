// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_date_box.h"

#include "ui/mileage_dates.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLocale>
#include <QStyle>

namespace milora::ui {

using mileage::CivilDate;
using mileage::DateOrder;

namespace {

CivilDate civil(QDate d) {
    return {d.year(), d.month(), d.day()};
}

} // namespace

MileageDateBox::MileageDateBox(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("DTPicker1"));
    setToolTip(QStringLiteral("Enter the date of the gas purchase"));
    QAction* calendar =
        addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    calendar->setObjectName(QStringLiteral("actCalendar"));
    calendar->setToolTip(QStringLiteral("Choose the date on a calendar"));
    connect(calendar, &QAction::triggered, this, &MileageDateBox::show_calendar);
    setDate(QDate::currentDate());
}

DateOrder MileageDateBox::order(const QLocale& locale) {
    const QString f = fillup_date_format(locale);
    const qsizetype d = f.indexOf(QLatin1Char('d'));
    const qsizetype m = f.indexOf(QLatin1Char('M'));
    const qsizetype y = f.indexOf(QLatin1Char('y'));
    if (y >= 0 && y < m && y < d) {
        return DateOrder::YearMonthDay;
    }
    return d >= 0 && d < m ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
}

void MileageDateBox::setDate(QDate date) {
    const QLocale locale;
    setText(locale.toString(date, fillup_date_format(locale)));
}

std::optional<QDate> MileageDateBox::date() const {
    const auto d = mileage::read_typed_date(text().toStdString(), order(QLocale()));
    if (!d) {
        return std::nullopt;
    }
    return QDate(d->year, d->month, d->day);
}

QString MileageDateBox::stored_text() const {
    const QLocale locale;
    const auto d = date();
    return d ? locale.toString(*d, fillup_date_format(locale)) : text();
}

mileage::EntryDate MileageDateBox::entry_date() const {
    const QLocale locale;
    const QDate today = QDate::currentDate();
    const auto d = date();
    return mileage::EntryDate::typed(
        d ? std::optional<CivilDate>(civil(*d)) : std::nullopt, stored_text().toStdString(),
        civil(today), order(locale),
        locale.toString(today, fillup_date_format(locale)).toStdString());
}

void MileageDateBox::focusOutEvent(QFocusEvent* event) {
    if (date()) {
        setText(stored_text());
    }
    QLineEdit::focusOutEvent(event);
}

void MileageDateBox::show_calendar() {
    auto* popup = new QCalendarWidget(this);
    popup->setObjectName(QStringLiteral("calDTPicker1"));
    popup->setWindowFlags(Qt::Popup);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setSelectedDate(date().value_or(QDate::currentDate()));
    connect(popup, &QCalendarWidget::clicked, this, [this, popup](QDate chosen) {
        setDate(chosen);
        popup->close();
        setFocus(Qt::PopupFocusReason);
    });
    popup->move(mapToGlobal(QPoint(0, height())));
    popup->show();
}

} // namespace milora::ui
