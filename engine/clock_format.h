// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace clock_format {

// "st", "nd", "rd" or "th" for a day of the month.
QString dayOrdinal(int day);

// "7:05:09 pm" on the 12-hour clock (am/pm always in English lower case),
// "19:05:09" on the 24-hour clock.
QString zoneTime(const QTime &time, bool twentyFourHour);

// The language's long date without the weekday: "d. MMMM yyyy" in German,
// "yyyy年M月d日" in Japanese.
QString dayMonthYearFormat(const QLocale &locale);

// In English "07th December 2026" (the day keeps its leading zero); in any other
// language its own way of writing the day, month and year ("8. Dezember 2026").
QString zoneDate(const QDate &date, const QLocale &locale);

} // namespace clock_format
