// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/time_zone_info.h"

namespace platform {

class MachineZone;

class SystemTimeZoneInfo final : public TimeZoneInfo {
public:
    explicit SystemTimeZoneInfo(MachineZone &zone) : m_zone(zone) {}
    TimeZoneInformation timeZoneInformation() const override;

private:
    MachineZone &m_zone;
};

} // namespace platform
