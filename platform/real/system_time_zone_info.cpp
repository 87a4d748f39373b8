// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/system_time_zone_info.h"

#include <QDateTime>
#include <QTimeZone>

namespace platform {

TimeZoneInformation SystemTimeZoneInfo::timeZoneInformation() const
{
    TimeZoneInformation info;
    const QTimeZone zone = QTimeZone::systemTimeZone();
    if (!zone.isValid())
        return info; // Invalid: the clock then treats local time as GMT

    const QDateTime now = QDateTime::currentDateTimeUtc();
    const int standardOffset = zone.standardTimeOffset(now);
    const bool daylightNow = zone.isDaylightTime(now);
    info.bias = -standardOffset / 60;
    info.standardBias = 0;
    // The daylight bias is the extra shift on top of standard time, so a zone
    // whose daylight time is one hour ahead has -60, as the biases count westward.
    info.daylightBias = daylightNow ? -(zone.offsetFromUtc(now) - standardOffset) / 60 : -60;
    if (daylightNow)
        info.returnCode = TimeZoneInformation::Daylight;
    else if (zone.hasDaylightTime())
        info.returnCode = TimeZoneInformation::Standard;
    else
        info.returnCode = TimeZoneInformation::Unknown;
    return info;
}

} // namespace platform
