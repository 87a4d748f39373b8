// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace cmdtime {

inline constexpr std::uint16_t ntpPort = 123;

struct CmdtimeOptions {
    std::string host;
    std::uint16_t port = ntpPort;
    std::chrono::milliseconds timeout {5000};
    bool setClock = false;
    bool serverChosen = false; // --server given, not the built-in server
};

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, UsageError };
    Action action = Action::Run;
    CmdtimeOptions options;
    std::string error; // with UsageError: what was wrong, one phrase
};

// args excludes the program name. defaultServer is "HOST" or "HOST:PORT".
CommandLine parseCommandLine(std::span<const std::string_view> args, std::string_view defaultServer);

std::string usageLine();
std::string helpText(std::string_view defaultServer);

} // namespace cmdtime
