// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/system_clock.h"

#include <QElapsedTimer>

namespace platform {

QDateTime SystemClock::localWallTime() const
{
    const QDateTime now = QDateTime::currentDateTime();
    const QTime t = now.time();
    return QDateTime(now.date(), QTime(t.hour(), t.minute(), t.second()), Qt::UTC);
}

QDateTime SystemClock::utcNow() const
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return now.addMSecs(-now.time().msec());
}

double SystemClock::secondsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

quint32 MonotonicTickCounter::tickCount() const
{
    // A timer started now stands exactly its reference clock's age away from
    // that clock's start: one reading, shared by every counter in the process.
    QElapsedTimer now;
    now.start();
    return quint32(quint64(now.msecsSinceReference()));
}

} // namespace platform
