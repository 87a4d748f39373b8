// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/clock_format.h"

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
    // what joins it ("dddd, ", "dddd 'den' ", "日dddd", ", dddd 'гараг'") come
    // out of the language's long format. By hand rather than with a regular
    // expression: the tick formats a date every second, and the expression
    // engine would stay in the idle clock's memory for it.
    const QString weekday = QStringLiteral("dddd");
    QString format = locale.dateFormat(QLocale::LongFormat);
    const auto isJoin = [](QChar c) { return c.isSpace() || c == u',' || c == u'\u060C'; };
    if (format.startsWith(weekday)) {
        qsizetype next = weekday.size();
        while (next < format.size() && !QStringView(u"dMy'").contains(format.at(next)))
            ++next;
        if (next < format.size() && format.at(next) == u'\'') {
            const qsizetype close = format.indexOf(u'\'', next + 1);
            if (close > 0) {
                next = close + 1;
                while (next < format.size() && format.at(next).isSpace())
                    ++next;
            }
        }
        format.remove(0, next);
    }
    QString trailing = format.trimmed();
    if (trailing.endsWith(u'\'')) {
        const qsizetype open = trailing.lastIndexOf(u'\'', trailing.size() - 2);
        if (open > 0 && trailing.left(open).trimmed().endsWith(weekday))
            trailing = trailing.left(open).trimmed();
    }
    if (trailing.endsWith(weekday)) {
        trailing.chop(weekday.size());
        while (!trailing.isEmpty() && isJoin(trailing.back()))
            trailing.chop(1);
        format = trailing;
    }
    return format.trimmed();
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
