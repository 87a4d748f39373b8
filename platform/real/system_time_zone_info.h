// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/time_zone_info.h"

namespace platform {

class SystemTimeZoneInfo final : public TimeZoneInfo {
public:
    TimeZoneInformation timeZoneInformation() const override;
};

} // namespace platform
