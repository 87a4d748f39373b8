#pragma once

#include "clock_setter.h"
#include "command_line.h"
#include "sntp_client.h"

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
    WallClock wallClock = systemWallClock;
    BlockingResolver resolver = resolveWithSystem;
};

// Queries the server, prints the offset and, when asked, steps the clock.
// Failures end in one line "cmdtime: <reason>" on err.
int runCmdtime(const CmdtimeOptions& options, const RunDependencies& dependencies, std::ostream& out,
               std::ostream& err);

} // namespace cmdtime
