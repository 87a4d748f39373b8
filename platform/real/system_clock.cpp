// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/system_clock.h"

#include "platform/real/machine_zone.h"

#include <QElapsedTimer>

namespace platform {

namespace {

constexpr qint64 DayMs = 24 * 3600 * 1000;

qint64 floorTo(qint64 value, qint64 unit)
{
    const qint64 rest = value % unit;
    return value - (rest < 0 ? rest + unit : rest);
}

} // namespace

qint64 SystemClock::localMsecs() const
{
    const qint64 utc = QDateTime::currentMSecsSinceEpoch();
    return utc + qint64(m_zone.at(utc).offsetSeconds) * 1000;
}

QDateTime SystemClock::localWallTime() const
{
    return QDateTime::fromMSecsSinceEpoch(floorTo(localMsecs(), 1000), Qt::UTC);
}

QDateTime SystemClock::utcNow() const
{
    return QDateTime::fromMSecsSinceEpoch(floorTo(QDateTime::currentMSecsSinceEpoch(), 1000), Qt::UTC);
}

double SystemClock::secondsSinceMidnight() const
{
    const qint64 local = localMsecs();
    return double(local - floorTo(local, DayMs)) / 1000.0;
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
