#include "cmdtime_run.h"

#include "seconds_text.h"

namespace cmdtime {

int runCmdtime(const CmdtimeOptions& options, const RunDependencies& dependencies, std::ostream& out,
               std::ostream& err)
{
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
    const ClockStep step = dependencies.setClock(result.offset);
    if (!step.done) {
        err << "cmdtime: " << step.failure << '\n';
        return exitClockNotSet;
    }
    out << "clock stepped by " << formatOffset(result.offset) << '\n';
    return exitSuccess;
}

} // namespace cmdtime
