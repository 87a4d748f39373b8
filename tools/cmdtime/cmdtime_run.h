// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock_setter.h"
#include "command_line.h"
#include "sntp_client.h"
#include "step_confirmation.h"

#include <chrono>
#include <ostream>

namespace cmdtime {

enum ExitCode : int {
    exitSuccess = 0,
    exitNoValidReply = 1,
    exitUsage = 2,
    exitClockNotSet = 3,
};

struct RunDependencies {
    ClockSetter setClock;
    // With more rights than the caller, the caller must not pick the server
    // whose answer sets the clock.
    bool moreRightsThanCaller = false;
    WallClock wallClock = systemWallClock;
    BlockingResolver resolver = resolveWithSystem;
};

// Queries the server's first address, prints the offset and, when asked,
// steps the clock; a step beyond largestUnconfirmedStep needs confirmStep.
// Failures end in one line "cmdtime: <reason>" on err.
int runCmdtime(const CmdtimeOptions& options, const RunDependencies& dependencies, std::ostream& out,
               std::ostream& err);

} // namespace cmdtime
