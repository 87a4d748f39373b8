// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pause.h"

#include "platform/event_pump.h"
#include "platform/tick_counter.h"

#include <algorithm>

void PauseMilliseconds(qint32 ms, const platform::TickCounter &ticks, platform::EventPump &events)
{
    const quint32 start = ticks.tickCount();
    const quint32 wanted = ms > 0 ? quint32(ms) : 0u;
    quint32 elapsed = 0;
    bool handled = false;
    events.waitUntil(
        [&] {
            if (!handled)
                return false; // events are handled once however short the wait
            // Unsigned subtraction gives the elapsed time across a wrap of the counter.
            elapsed = ticks.tickCount() - start;
            return elapsed >= wanted;
        },
        [&] {
            handled = true;
            return int(wanted - elapsed);
        });
}

void PauseSeconds(int n, const platform::TickCounter &ticks, platform::EventPump &events)
{
    PauseMilliseconds(std::clamp(n, 0, 255) * 1000, ticks, events);
}
