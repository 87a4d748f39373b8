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

// "07th December 2026": the day keeps its leading zero; the month name is the user's.
QString zoneDate(const QDate &date, const QLocale &locale);

} // namespace clock_format
