// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock_setter.h"
#include "command_line.h"
#include "sntp_client.h"

#include <chrono>
#include <ostream>

namespace cmdtime {

enum ExitCode : int {
    exitSuccess = 0,
    exitNoValidReply = 1,
    exitUsage = 2,
    exitClockNotSet = 3,
};

// A step larger than this is made only when a second query confirms it.
inline constexpr std::chrono::seconds largestUnconfirmedStep {1000};
inline constexpr std::chrono::seconds confirmationTolerance {1};

struct RunDependencies {
    ClockSetter setClock;
    // With more rights than the caller, the caller must not pick the server
    // whose answer sets the clock.
    bool moreRightsThanCaller = false;
    WallClock wallClock = systemWallClock;
    BlockingResolver resolver = resolveWithSystem;
};

// Queries the server, prints the offset and, when asked, steps the clock; a
// step beyond largestUnconfirmedStep needs a second answer within
// confirmationTolerance of the first.
// Failures end in one line "cmdtime: <reason>" on err.
int runCmdtime(const CmdtimeOptions& options, const RunDependencies& dependencies, std::ostream& out,
               std::ostream& err);

} // namespace cmdtime
