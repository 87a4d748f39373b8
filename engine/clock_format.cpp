// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/clock_format.h"

#include <QRegularExpression>

namespace clock_format {

QString dayOrdinal(int day)
{
    switch (day) {
    case 1:
    case 21:
    case 31: return QStringLiteral("st");
    case 2:
    case 22: return QStringLiteral("nd");
    case 3:
    case 23: return QStringLiteral("rd");
    default: return QStringLiteral("th");
    }
}

QString zoneTime(const QTime &time, bool twentyFourHour)
{
    if (twentyFourHour)
        return time.toString(QStringLiteral("HH:mm:ss"));
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2:%3 %4")
        .arg(hour12)
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QLatin1String("am") : QLatin1String("pm"));
}

QString dayMonthYearFormat(const QLocale &locale)
{
    // Qt has no format for a date without its weekday, so the weekday and
    // what joins it ("dddd, ", "dddd 'den' ", "日dddd", ", dddd") come out of
    // the language's long format.
    static const QRegularExpression leading(QStringLiteral("^dddd[^dMy']*('[^']*'\\s*)?"));
    static const QRegularExpression trailing(QStringLiteral("[\\s,\u060C]*dddd(\\s*'[^']*')?\\s*$"));
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.remove(leading);
    format.remove(trailing);
    return format;
}

QString zoneDate(const QDate &date, const QLocale &locale)
{
    if (locale.language() != QLocale::English && locale.language() != QLocale::C)
        return locale.toString(date, dayMonthYearFormat(locale));

    // The month named by its number: the stand-alone form, not the one used
    // inside a date (genitive "grudnia" in Polish, "grudzień" on its own).
    return QStringLiteral("%1%2 %3 %4")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(dayOrdinal(date.day()), locale.standaloneMonthName(date.month(), QLocale::LongFormat))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

} // namespace clock_format
