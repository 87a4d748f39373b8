// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clock.h"
#include "platform/tick_counter.h"

namespace platform {

class MachineZone;

// The wall clock: UTC from the system (no system call: the vDSO), taken to
// local time by the machine's zone.
class SystemClock final : public Clock {
public:
    explicit SystemClock(MachineZone &zone) : m_zone(zone) {}

    QDateTime localWallTime() const override;
    QDateTime utcNow() const override;
    double secondsSinceMidnight() const override;

private:
    // Local time as milliseconds since the epoch of a UTC clock.
    qint64 localMsecs() const;

    MachineZone &m_zone;
};

// The monotonic clock in milliseconds, truncated to 32 bits: it wraps like the
// counter the waits were written for, and never jumps with the wall clock.
class MonotonicTickCounter final : public TickCounter {
public:
    quint32 tickCount() const override;
};

} // namespace platform
