// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/local_zone.h"

#include "engine/clock_state.h"
#include "platform/time_zone_info.h"

qint32 GetLocalTZ(const platform::TimeZoneInfo &timeZone)
{
    using platform::TimeZoneInformation;
    const TimeZoneInformation info = timeZone.timeZoneInformation();
    switch (info.returnCode) {
    case TimeZoneInformation::Unknown:
    case TimeZoneInformation::Standard: return -(info.bias + info.standardBias) * 60;
    case TimeZoneInformation::Daylight: return -(info.bias + info.daylightBias) * 60;
    default: return 0;
    }
}

double localCorrection(qint32 localOffsetSeconds)
{
    return localOffsetSeconds == 0 ? 0.0 : -localOffsetSeconds / 3600.0; // never a negative zero
}

void setLocalOffset(ClockState &state, qint32 localOffsetSeconds)
{
    state.localOffsetSeconds = localOffsetSeconds;
    state.localdiff = localCorrection(localOffsetSeconds);
}

void followLocalOffset(ClockState &state, const platform::TimeZoneInfo &timeZone)
{
    const qint32 offset = GetLocalTZ(timeZone);
    if (offset != state.localOffsetSeconds)
        setLocalOffset(state, offset);
}
