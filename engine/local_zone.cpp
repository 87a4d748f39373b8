// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/local_zone.h"

#include "engine/clock_state.h"
#include "platform/time_zone_info.h"

qint32 machineGmtOffset(const platform::TimeZoneInfo &timeZone)
{
    return timeZone.utcOffset().value_or(platform::UtcOffset {}).seconds;
}

double localCorrection(qint32 localOffsetSeconds)
{
    return localOffsetSeconds == 0 ? 0.0 : -localOffsetSeconds / 3600.0; // never a negative zero
}

void setLocalOffset(ClockState &state, qint32 localOffsetSeconds)
{
    state.localOffsetSeconds = localOffsetSeconds;
    state.localToGmtHours = localCorrection(localOffsetSeconds);
}

void followLocalOffset(ClockState &state, const platform::TimeZoneInfo &timeZone)
{
    const qint32 offset = machineGmtOffset(timeZone);
    if (offset != state.localOffsetSeconds)
        setLocalOffset(state, offset);
}
