// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pause.h"

#include "platform/event_pump.h"
#include "platform/tick_counter.h"

void PauseMilliseconds(qint32 ms, const platform::TickCounter &ticks, platform::EventPump &events)
{
    const quint32 start = ticks.tickCount();
    const quint32 wanted = ms > 0 ? quint32(ms) : 0u;
    quint32 elapsed = 0;
    do {
        if (elapsed < wanted)
            events.waitForEvents(int(wanted - elapsed));
        else
            events.pumpEvents();
        // Unsigned subtraction gives the elapsed time across a wrap of the counter.
        elapsed = ticks.tickCount() - start;
    } while (elapsed < wanted);
}
