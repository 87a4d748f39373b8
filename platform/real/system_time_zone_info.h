#pragma once

#include "platform/time_zone_info.h"

namespace platform {

class SystemTimeZoneInfo final : public TimeZoneInfo {
public:
    TimeZoneInformation timeZoneInformation() const override;
};

} // namespace platform
