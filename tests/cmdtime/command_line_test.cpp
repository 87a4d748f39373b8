// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace std::chrono_literals;
using cmdtime::CommandLine;

namespace {

CommandLine parse(std::vector<std::string_view> args, std::string_view defaultServer = "pool.ntp.org")
{
    return cmdtime::parseCommandLine(args, defaultServer);
}

struct AcceptedCase {
    const char* name;
    std::vector<std::string_view> args;
    std::string host;
    std::uint16_t port;
    std::chrono::milliseconds timeout;
    bool setClock;
};

void PrintTo(const AcceptedCase& c, std::ostream* os)
{
    *os << c.name;
}

class AcceptedCommandLineTest : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedCommandLineTest, YieldsOptions)
{
    const AcceptedCase& c = GetParam();
    const CommandLine result = parse(c.args);
    ASSERT_EQ(result.action, CommandLine::Action::Run) << result.error;
    EXPECT_EQ(result.options.host, c.host);
    EXPECT_EQ(result.options.port, c.port);
    EXPECT_EQ(result.options.timeout, c.timeout);
    EXPECT_EQ(result.options.setClock, c.setClock);
    const bool namesAServer =
        std::any_of(c.args.begin(), c.args.end(), [](std::string_view arg) { return arg.starts_with("--server"); });
    EXPECT_EQ(result.options.serverChosen, namesAServer) << "only --server counts as the caller's choice";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AcceptedCommandLineTest,
    ::testing::Values(
        AcceptedCase {"Defaults", {}, "pool.ntp.org", 123, 5s, false},
        AcceptedCase {"SlashP", {"/P"}, "pool.ntp.org", 123, 5s, true},
        AcceptedCase {"DashP", {"-p"}, "pool.ntp.org", 123, 5s, true},
        AcceptedCase {"LongSet", {"--set"}, "pool.ntp.org", 123, 5s, true},
        AcceptedCase {"ServerWithPort", {"--server", "127.0.0.1:4123"}, "127.0.0.1", 4123, 5s, false},
        AcceptedCase {"ServerJoined", {"--server=time.example.org"}, "time.example.org", 123, 5s, false},
        AcceptedCase {"BracketedIpv6", {"--server", "[::1]:5000"}, "::1", 5000, 5s, false},
        AcceptedCase {"BareIpv6", {"--server", "fe80::1"}, "fe80::1", 123, 5s, false},
        AcceptedCase {"FractionalTimeout", {"--timeout", "0.25"}, "pool.ntp.org", 123, 250ms, false},
        AcceptedCase {"AllTogether", {"--timeout=1", "/P", "--server", "10.0.0.1"}, "10.0.0.1", 123, 1s, true},
        AcceptedCase {
            "LastServerWins", {"--server", "a.example", "--server", "b.example:9"}, "b.example", 9, 5s, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineTest, BuiltInServerMayCarryAPort)
{
    const CommandLine result = parse({}, "time.example.net:1123");
    EXPECT_EQ(result.options.host, "time.example.net");
    EXPECT_EQ(result.options.port, 1123);
}

TEST(CommandLineTest, HelpAndVersionAreNotErrors)
{
    EXPECT_EQ(parse({"--help"}).action, CommandLine::Action::ShowHelp);
    EXPECT_EQ(parse({"--version"}).action, CommandLine::Action::ShowVersion);
    EXPECT_EQ(parse({"-v"}).action, CommandLine::Action::ShowVersion);
    EXPECT_NE(cmdtime::helpText("ntp.example").find("ntp.example"), std::string::npos);
}

struct RejectedCase {
    const char* name;
    std::vector<std::string_view> args;
    std::string mentions;
};

void PrintTo(const RejectedCase& c, std::ostream* os)
{
    *os << c.name;
}

class RejectedCommandLineTest : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedCommandLineTest, NamesTheCulprit)
{
    const RejectedCase& c = GetParam();
    const CommandLine result = parse(c.args);
    EXPECT_EQ(result.action, CommandLine::Action::UsageError);
    EXPECT_NE(result.error.find(c.mentions), std::string::npos) << result.error;
    EXPECT_EQ(result.error.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Cases, RejectedCommandLineTest,
                         ::testing::Values(RejectedCase {"UnknownOption", {"--frobnicate"}, "--frobnicate"},
                                           RejectedCase {"UnknownSlashOption", {"/X"}, "/X"},
                                           RejectedCase {"LookalikeOption", {"--servers", "x"}, "--servers"},
                                           RejectedCase {"ServerWithoutValue", {"--server"}, "--server"},
                                           RejectedCase {"PortZero", {"--server", "host:0"}, "host:0"},
                                           RejectedCase {"PortTooLarge", {"--server", "host:65536"}, "host:65536"},
                                           RejectedCase {"PortNotANumber", {"--server", "host:ntp"}, "host:ntp"},
                                           RejectedCase {"EmptyPort", {"--server", "host:"}, "host:"},
                                           RejectedCase {"EmptyHost", {"--server", ":123"}, ":123"},
                                           RejectedCase {"UnclosedBracket", {"--server", "[::1:123"}, "[::1:123"},
                                           RejectedCase {"TimeoutZero", {"--timeout", "0"}, "'0'"},
                                           RejectedCase {"TimeoutNegative", {"--timeout", "-1"}, "-1"},
                                           RejectedCase {"TimeoutWithUnit", {"--timeout", "5s"}, "5s"},
                                           RejectedCase {"TimeoutNotANumber", {"--timeout", "nan"}, "nan"},
                                           RejectedCase {"TimeoutWithoutValue", {"/P", "--timeout"}, "--timeout"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
