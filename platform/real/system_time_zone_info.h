// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/time_zone_info.h"

namespace platform {

class MachineZone;

class SystemTimeZoneInfo final : public TimeZoneInfo {
public:
    explicit SystemTimeZoneInfo(MachineZone &zone) : m_zone(zone) {}
    std::optional<UtcOffset> utcOffset() const override;
    std::optional<UtcOffset> utcOffsetAt(qint64 utcMs) const;

private:
    MachineZone &m_zone;
};

} // namespace platform
