// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// The clock's waits keep the window alive by handling pending events.
class EventPump {
public:
    virtual ~EventPump() = default;

    // Handle every event that is pending now, then return.
    virtual void pumpEvents() = 0;
    // Sleep until an event arrives or maxMs milliseconds pass, handling what
    // arrives. Never spins the processor.
    virtual void waitForEvents(int maxMs) = 0;
};

} // namespace platform
