// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clock.h"
#include "platform/tick_counter.h"

namespace platform {

class SystemClock final : public Clock {
public:
    QDateTime localWallTime() const override;
    QDateTime utcNow() const override;
    double secondsSinceMidnight() const override;
};

// The monotonic clock in milliseconds, truncated to 32 bits: it wraps like the
// counter the waits were written for, and never jumps with the wall clock.
class MonotonicTickCounter final : public TickCounter {
public:
    quint32 tickCount() const override;
};

} // namespace platform
