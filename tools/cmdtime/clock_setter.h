// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace cmdtime {

struct ClockStep {
    bool done = false;
    std::string failure; // without done: one line, no program name
};

// Steps the system clock by an offset. Injected so that only the real program
// ever touches the machine's clock; tests hand in a recorder.
using ClockSetter = std::function<ClockStep(std::chrono::nanoseconds offset)>;

// Steps CLOCK_REALTIME by the offset. Without CAP_SYS_TIME the kernel refuses
// and nothing changes.
ClockStep stepSystemClock(std::chrono::nanoseconds offset);

} // namespace cmdtime
