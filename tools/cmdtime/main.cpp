// SPDX-License-Identifier: GPL-3.0-or-later
#include "caller_rights.h"
#include "cmdtime_run.h"
#include "command_line.h"

#include <iostream>
#include <string_view>
#include <vector>

#ifndef CMDTIME_DEFAULT_SERVER
#error "CMDTIME_DEFAULT_SERVER must name the default SNTP server"
#endif
#ifndef CMDTIME_VERSION
#error "CMDTIME_VERSION must give the version it ships with"
#endif

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const cmdtime::CommandLine commandLine = cmdtime::parseCommandLine(args, CMDTIME_DEFAULT_SERVER);

    switch (commandLine.action) {
    case cmdtime::CommandLine::Action::ShowHelp:
        std::cout << cmdtime::helpText(CMDTIME_DEFAULT_SERVER);
        return cmdtime::exitSuccess;
    case cmdtime::CommandLine::Action::ShowVersion:
        std::cout << "cmdtime " CMDTIME_VERSION "\n";
        return cmdtime::exitSuccess;
    case cmdtime::CommandLine::Action::UsageError:
        std::cerr << "cmdtime: " << commandLine.error << "; " << cmdtime::usageLine() << '\n';
        return cmdtime::exitUsage;
    case cmdtime::CommandLine::Action::Run: break;
    }

    cmdtime::RunDependencies dependencies;
    dependencies.setClock = cmdtime::stepSystemClock;
    dependencies.moreRightsThanCaller = cmdtime::runsWithMoreRightsThanCaller();
    return cmdtime::runCmdtime(commandLine.options, dependencies, std::cout, std::cerr);
}
