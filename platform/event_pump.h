// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// The clock's waits keep the window alive by handling pending events: the
// timers, menu commands and transfers that come meanwhile run inside them.
// waitUntil is the one loop that waits so; everything that waits goes
// through it.
class EventPump {
public:
    virtual ~EventPump() = default;

    // Handle every event that is pending now, then return.
    virtual void pumpEvents() = 0;

    // Handles events until `finished()` holds, asked before every sleep;
    // each sleep lasts until an event arrives or `nextSleepMs()` pass (none
    // for 0: what is pending is handled). Never spins the processor.
    template <typename Finished, typename NextSleep>
    void waitUntil(Finished finished, NextSleep nextSleepMs)
    {
        while (!finished())
            waitForEvents(nextSleepMs());
    }

protected:
    // Sleep until an event arrives or maxMs milliseconds pass, handling what
    // arrives. Never spins the processor.
    virtual void waitForEvents(int maxMs) = 0;
};

} // namespace platform
