// SPDX-License-Identifier: GPL-3.0-or-later
#include "cmdtime_run.h"

#include "seconds_text.h"

namespace cmdtime {

namespace {

std::chrono::nanoseconds magnitude(std::chrono::nanoseconds offset)
{
    return offset < offset.zero() ? -offset : offset;
}

} // namespace

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

    const SntpResult result = querySntp(query);
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
    if (magnitude(step) > largestUnconfirmedStep) {
        // One answer that far off may be a forgery or a server gone wrong; an
        // independent second exchange (fresh nonce) must tell the same story.
        const std::string why =
            "a step of " + formatOffset(step) + " is more than " + formatDuration(largestUnconfirmedStep) + " and ";
        const SntpResult second = querySntp(query);
        if (!second.ok) {
            err << "cmdtime: " << why << "the second query to confirm it failed (" << second.failure
                << "); clock unchanged\n";
            return exitClockNotSet;
        }
        if (magnitude(second.offset - step) > confirmationTolerance) {
            err << "cmdtime: " << why << "a second query gave " << formatOffset(second.offset) << "; clock unchanged\n";
            return exitClockNotSet;
        }
        out << "confirmed by a second query: offset " << formatOffset(second.offset) << '\n';
        step = second.offset;
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
