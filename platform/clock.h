// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

namespace platform {

// The local wall clock. The returned QDateTime carries the local date and time
// fields in a UTC container, so that arithmetic on it never shifts by the
// machine's own daylight-saving changes: the clock does its own zone arithmetic.
class Clock {
public:
    virtual ~Clock() = default;

    // Local date and time now, to the second.
    virtual QDateTime localWallTime() const = 0;
    // The true UTC instant now, to the second.
    virtual QDateTime utcNow() const = 0;
    // Seconds since local midnight, with fractions.
    virtual double secondsSinceMidnight() const = 0;
};

} // namespace platform
