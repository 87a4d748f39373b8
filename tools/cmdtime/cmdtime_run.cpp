// SPDX-License-Identifier: GPL-3.0-or-later
#include "cmdtime_run.h"

#include "seconds_text.h"

namespace cmdtime {

int runCmdtime(const CmdtimeOptions& options, const RunDependencies& dependencies, std::ostream& out, std::ostream& err)
{
    if (options.setClock && options.serverChosen && dependencies.moreRightsThanCaller) {
        err << "cmdtime: --server cannot be used with /P while cmdtime runs with more rights than its caller "
               "(setuid or file capabilities); clock unchanged\n";
        return exitUsage;
    }

    SntpQuery query;
    query.host = options.host;
    query.port = options.port;
    query.timeout = options.timeout;
    query.wallClock = dependencies.wallClock;
    query.resolver = dependencies.resolver;

    const auto deadline = std::chrono::steady_clock::now() + query.timeout;
    const ServerAddresses server = findServer(query, deadline);
    if (!server.ok) {
        err << "cmdtime: " << server.failure << '\n';
        return exitNoValidReply;
    }
    const SntpResult result = askServer(query, server.addresses.front(), query.host, deadline);
    if (!result.ok) {
        err << "cmdtime: " << result.failure << '\n';
        return exitNoValidReply;
    }
    out << "offset " << formatOffset(result.offset) << '\n';
    out.flush();
    if (!options.setClock)
        return exitSuccess;

    if (!dependencies.setClock) {
        err << "cmdtime: no way to set the clock here; clock unchanged\n";
        return exitClockNotSet;
    }

    std::chrono::nanoseconds step = result.offset;
    if (std::chrono::abs(step) > largestUnconfirmedStep) {
        const StepConfirmation confirmation = confirmStep(query, server.addresses, step);
        if (!confirmation.confirmed) {
            err << "cmdtime: a step of " << formatOffset(step) << " is more than "
                << formatDuration(largestUnconfirmedStep) << " and " << confirmation.refusal << "; clock unchanged\n";
            return exitClockNotSet;
        }
        out << "confirmed by " << confirmation.confirmedBy << ": offset " << formatOffset(confirmation.offset) << '\n';
        step = confirmation.offset;
    }

    const ClockStep done = dependencies.setClock(step);
    if (!done.done) {
        err << "cmdtime: " << done.failure << '\n';
        return exitClockNotSet;
    }
    out << "clock stepped by " << formatOffset(step) << '\n';
    return exitSuccess;
}

} // namespace cmdtime
