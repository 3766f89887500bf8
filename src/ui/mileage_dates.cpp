// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_dates.h"

#include <QLocale>
#include <QString>

namespace milora::ui {

namespace {

// The year field of a date format as four digits; text in quotes is left alone.
QString with_four_digit_year(const QString& format) {
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        }
        if (quoted || c != QLatin1Char('y')) {
            out += c;
            ++i;
            continue;
        }
        while (i < format.size() && format[i] == QLatin1Char('y')) {
            ++i;
        }
        out += QStringLiteral("yyyy");
    }
    return out;
}

} // namespace

QString fillup_date_format(const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    if (locale.language() == QLocale::C || format.contains(QStringLiteral("MMM"))) {
        // The C locale's short form names the month ("9 Dec 2026"); its numeric form is the
        // month, day and year of the POSIX date representation, written as the import writes
        // the dates it converts (M/D/YYYY), so that one list shows one form.
        return QStringLiteral("M/d/yyyy");
    }
    return with_four_digit_year(format);
}

} // namespace milora::ui
