// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

// A zone's wall time: the local wall time taken to GMT by localToGmtHours hours, then
// shifted by the zone's offset. Both ends are naive wall times in a UTC
// container, so no daylight-saving change of the machine can creep in.
QDateTime zoneWallTime(const QDateTime &localWall, double localToGmtHours, int shiftSeconds);
