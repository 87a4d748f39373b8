// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/system_time_zone_info.h"

#include "platform/real/machine_zone.h"

#include <QDateTime>

namespace platform {

TimeZoneInformation SystemTimeZoneInfo::timeZoneInformation() const
{
    TimeZoneInformation info;
    const ZoneReading zone = m_zone.at(QDateTime::currentMSecsSinceEpoch());
    if (!zone.valid)
        return info; // Invalid: the clock then treats local time as GMT

    info.bias = -zone.standardOffsetSeconds / 60;
    info.standardBias = 0;
    // The daylight bias is the extra shift on top of standard time, so a zone
    // whose daylight time is one hour ahead has -60, as the biases count westward.
    info.daylightBias = zone.daylightTime ? -(zone.offsetSeconds - zone.standardOffsetSeconds) / 60 : -60;
    if (zone.daylightTime)
        info.returnCode = TimeZoneInformation::Daylight;
    else if (zone.hasDaylightTime)
        info.returnCode = TimeZoneInformation::Standard;
    else
        info.returnCode = TimeZoneInformation::Unknown;
    return info;
}

} // namespace platform
