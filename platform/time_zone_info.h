// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

namespace platform {

// The machine's offset from UTC at one moment.
struct UtcOffset {
    qint32 seconds = 0; // local time minus UTC: east positive
    bool daylightSaving = false;

    friend bool operator==(const UtcOffset &, const UtcOffset &) = default;
};

class TimeZoneInfo {
public:
    virtual ~TimeZoneInfo() = default;
    // The offset in force now; empty when the machine's zone cannot be read.
    virtual std::optional<UtcOffset> utcOffset() const = 0;
};

} // namespace platform
