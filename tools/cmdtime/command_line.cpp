// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace cmdtime {

namespace {

constexpr double longestTimeoutSeconds = 3600.0;

struct ServerAddress {
    std::string host;
    std::uint16_t port = ntpPort;
};

std::optional<std::uint16_t> parsePort(std::string_view text)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc {} || end != text.data() + text.size() || value == 0 || value > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

// "host", "host:port", "[v6]:port" or a bare IPv6 address (several colons).
std::optional<ServerAddress> parseServer(std::string_view text)
{
    ServerAddress server;
    std::string_view portText;
    if (text.starts_with('[')) {
        const auto close = text.find(']');
        if (close == std::string_view::npos)
            return std::nullopt;
        server.host = text.substr(1, close - 1);
        const auto rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (!rest.starts_with(':'))
                return std::nullopt;
            portText = rest.substr(1);
            if (portText.empty())
                return std::nullopt;
        }
    } else if (const auto colon = text.find(':');
               colon != std::string_view::npos && text.find(':', colon + 1) == std::string_view::npos) {
        server.host = text.substr(0, colon);
        portText = text.substr(colon + 1);
        if (portText.empty())
            return std::nullopt;
    } else {
        server.host = text;
    }
    if (server.host.empty())
        return std::nullopt;
    if (!portText.empty()) {
        const auto port = parsePort(portText);
        if (!port)
            return std::nullopt;
        server.port = *port;
    }
    return server;
}

std::optional<std::chrono::milliseconds> parseTimeout(std::string_view text)
{
    double seconds = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc {} || end != text.data() + text.size() || !std::isfinite(seconds) || seconds <= 0.0
        || seconds > longestTimeoutSeconds)
        return std::nullopt;
    const auto millis = static_cast<long long>(std::llround(seconds * 1000.0));
    return std::chrono::milliseconds {millis < 1 ? 1 : millis};
}

CommandLine usageError(std::string error)
{
    CommandLine result;
    result.action = CommandLine::Action::UsageError;
    result.error = std::move(error);
    return result;
}

} // namespace

CommandLine parseCommandLine(std::span<const std::string_view> args, std::string_view defaultServer)
{
    CommandLine result;
    std::optional<ServerAddress> server = parseServer(defaultServer);
    if (!server)
        return usageError("invalid built-in server '" + std::string(defaultServer) + "'");

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        // Options taking a value accept both "--opt value" and "--opt=value".
        auto valueOf = [&](std::string_view name) -> std::optional<std::string_view> {
            if (arg == name) {
                if (i + 1 >= args.size())
                    return std::nullopt;
                return args[++i];
            }
            return arg.substr(name.size() + 1);
        };
        auto isOption = [&](std::string_view name) {
            return arg == name || (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=');
        };

        if (arg == "/P" || arg == "/p" || arg == "-p" || arg == "--set") {
            result.options.setClock = true;
        } else if (arg == "--help" || arg == "-h" || arg == "/?") {
            result.action = CommandLine::Action::ShowHelp;
        } else if (arg == "--version" || arg == "-v") {
            result.action = CommandLine::Action::ShowVersion;
        } else if (isOption("--server")) {
            const auto value = valueOf("--server");
            if (!value)
                return usageError("--server needs HOST[:PORT]");
            server = parseServer(*value);
            if (!server)
                return usageError("invalid server '" + std::string(*value) + "'");
            result.options.serverChosen = true;
        } else if (isOption("--timeout")) {
            const auto value = valueOf("--timeout");
            if (!value)
                return usageError("--timeout needs SECONDS");
            const auto timeout = parseTimeout(*value);
            if (!timeout)
                return usageError("invalid timeout '" + std::string(*value) + "'");
            result.options.timeout = *timeout;
        } else {
            return usageError("unknown argument '" + std::string(arg) + "'");
        }
    }
    result.options.host = server->host;
    result.options.port = server->port;
    return result;
}

std::string usageLine()
{
    return "usage: cmdtime [/P | -p | --set] [--server HOST[:PORT]] [--timeout SECONDS] [--help] [--version]";
}

std::string helpText(std::string_view defaultServer)
{
    return usageLine()
        + "\n"
          "Asks an SNTP server for the time and prints this machine's clock offset.\n"
          "  /P, -p, --set        also step the system clock by the offset (needs CAP_SYS_TIME);\n"
          "                       a step over 1000 s is made only when a second address\n"
          "                       of the server agrees within 1 s\n"
          "  --server HOST[:PORT] server to ask (default "
        + std::string(defaultServer)
        + ", port 123);\n"
          "                       refused with /P when installed setuid or with file capabilities\n"
          "  --timeout SECONDS    wait this long for each answer, the first one's name\n"
          "                       lookup included (default 5)\n"
          "  --help               show this text\n"
          "  -v, --version        show the version\n"
          "Exit status: 0 valid reply (and clock set with /P), 1 no or invalid reply,\n"
          "2 bad arguments, 3 clock not set.\n";
}

} // namespace cmdtime
