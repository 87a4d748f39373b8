// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/system_time_zone_info.h"

#include "platform/real/machine_zone.h"

#include <QDateTime>

namespace platform {

std::optional<UtcOffset> SystemTimeZoneInfo::utcOffset() const
{
    return utcOffsetAt(QDateTime::currentMSecsSinceEpoch());
}

std::optional<UtcOffset> SystemTimeZoneInfo::utcOffsetAt(qint64 utcMs) const
{
    const ZoneReading zone = m_zone.at(utcMs);
    if (!zone.valid)
        return std::nullopt;
    return UtcOffset {zone.offsetSeconds, zone.daylightTime};
}

} // namespace platform
