// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace platform {
class TickCounter;
class EventPump;
} // namespace platform

// Waits ms milliseconds while handling window events, so the window stays
// alive and other handlers (timers, menu commands) may run inside the wait.
// Events are handled at least once, even for 0 ms. The wait sleeps in the
// event loop; it never spins. Survives the 32-bit tick counter wrapping.
void PauseMilliseconds(qint32 ms, const platform::TickCounter &ticks, platform::EventPump &events);
// Waits n seconds (0 to 255) the same way. Measured on the monotonic
// counter, so a wait across midnight ends like any other.
void PauseSeconds(int n, const platform::TickCounter &ticks, platform::EventPump &events);
