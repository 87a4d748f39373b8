// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/daylight_saving.h"

namespace daylight_saving {

QDate changeDay(int year, int month)
{
    for (int day = 24; day <= 31; ++day) {
        const QDate date(year, month, day);
        if (date.dayOfWeek() == Qt::Sunday)
            return date;
    }
    return {}; // unreachable: eight days always hold a Sunday
}

bool inForce(const QDate &localDate)
{
    const int month = localDate.month();
    if (month == 3)
        return localDate.day() >= changeDay(localDate.year(), 3).day();
    if (month == 10)
        return localDate.day() < changeDay(localDate.year(), 10).day();
    return month >= 4 && month <= 9;
}

} // namespace daylight_saving
