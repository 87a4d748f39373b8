// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/zone_time.h"

#include <cmath>

QDateTime zoneWallTime(const QDateTime &localWall, double localToGmtHours, int shiftSeconds)
{
    const qint64 toGmt = std::llround(localToGmtHours * 3600.0);
    return localWall.addSecs(toGmt + shiftSeconds);
}
