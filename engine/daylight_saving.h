// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

// The one daylight-saving rule shared by every zone that may use it, judged on
// the local date: from the last-week Sunday of March up to the day before the
// last-week Sunday of October.
namespace daylight_saving {

// The first Sunday from the 24th of the month on. Starting at the 24th, not the
// 25th, is what the clock has always done, so a year whose 24 March is a Sunday
// changes that day.
QDate changeDay(int year, int month);

bool inForce(const QDate &localDate);

} // namespace daylight_saving
