// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace platform {

// The machine's time-zone information in the shape the clock's arithmetic
// expects: biases in minutes, with UTC = local time + bias.
struct TimeZoneInformation {
    enum ReturnCode : quint32 {
        Unknown = 0,
        Standard = 1,
        Daylight = 2,
        Invalid = 0xFFFFFFFFu,
    };

    qint32 bias = 0;
    qint32 standardBias = 0;
    qint32 daylightBias = 0;
    quint32 returnCode = Invalid;
};

class TimeZoneInfo {
public:
    virtual ~TimeZoneInfo() = default;
    virtual TimeZoneInformation timeZoneInformation() const = 0;
};

} // namespace platform
