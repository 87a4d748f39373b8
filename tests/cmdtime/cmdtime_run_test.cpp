// SPDX-License-Identifier: GPL-3.0-or-later
#include "cmdtime_run.h"
#include "fake_sntp_server.h"
#include "scripted_times.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace std::chrono_literals;
using namespace cmdtime;
using namespace cmdtime::testing;

namespace {

// Stands in for the system clock: records each step it is asked for. The real
// setter is never reachable from here, as RunDependencies has none by default.
struct RecordingClockSetter {
    std::vector<std::chrono::nanoseconds> steps;
    ClockStep answer {true, {}};

    ClockSetter setter()
    {
        return [this](std::chrono::nanoseconds offset) {
            steps.push_back(offset);
            return answer;
        };
    }
};

struct RunOutput {
    int exitCode;
    std::string out;
    std::string err;
};

class CmdtimeRunTest : public ::testing::Test {
protected:
    RunOutput run(const FakeSntpServer& server, bool setClock, std::chrono::milliseconds timeout = 2s)
    {
        return runAsking("127.0.0.1", server.port(), setClock, timeout);
    }

    RunOutput runAsking(const std::string& host, std::uint16_t port, bool setClock, std::chrono::milliseconds timeout)
    {
        CmdtimeOptions options;
        options.host = host;
        options.port = port;
        options.timeout = timeout;
        options.setClock = setClock;
        options.serverChosen = serverChosen;
        RunDependencies dependencies;
        dependencies.setClock = clock.setter();
        dependencies.wallClock = wallClock;
        dependencies.moreRightsThanCaller = moreRightsThanCaller;
        dependencies.resolver = resolver;
        std::ostringstream out, err;
        const int exitCode = runCmdtime(options, dependencies, out, err);
        return {exitCode, out.str(), err.str()};
    }

    RecordingClockSetter clock;
    WallClock wallClock = scriptedWallClock();
    BlockingResolver resolver = resolveWithSystem;
    bool serverChosen = true;
    bool moreRightsThanCaller = false;
};

void answerRight(FakeSntpServer& server, const ClientRequest& request)
{
    server.reply(request, encodePacket(answerTo(request, requestReceivedT2, replySentT3)));
}

void answerWithKiss(FakeSntpServer& server, const ClientRequest& request)
{
    SntpPacket answer = answerTo(request, requestReceivedT2, replySentT3);
    answer.stratum = 0;
    answer.leapIndicator = 3;
    answer.referenceId = {'D', 'E', 'N', 'Y'};
    server.reply(request, encodePacket(answer));
}

TEST_F(CmdtimeRunTest, WithoutSetOnlyPrintsTheOffset)
{
    FakeSntpServer server(answerRight);
    const RunOutput output = run(server, false);
    EXPECT_EQ(output.exitCode, exitSuccess);
    EXPECT_EQ(output.out, "offset +3.500 s\n");
    EXPECT_EQ(output.err, "");
    EXPECT_TRUE(clock.steps.empty());
}

TEST_F(CmdtimeRunTest, SetStepsTheClockByTheMeasuredOffset)
{
    FakeSntpServer server(answerRight);
    const RunOutput output = run(server, true);
    EXPECT_EQ(output.exitCode, exitSuccess);
    EXPECT_EQ(output.out, "offset +3.500 s\nclock stepped by +3.500 s\n");
    EXPECT_EQ(clock.steps, std::vector<std::chrono::nanoseconds> {scriptedOffset});
}

TEST_F(CmdtimeRunTest, RefusedStepIsReportedOnOneLine)
{
    clock.answer = {false, "not allowed to set the system clock (needs root or CAP_SYS_TIME); clock unchanged"};
    FakeSntpServer server(answerRight);
    const RunOutput output = run(server, true);
    EXPECT_EQ(output.exitCode, exitClockNotSet);
    EXPECT_EQ(output.out, "offset +3.500 s\n");
    EXPECT_EQ(output.err,
              "cmdtime: not allowed to set the system clock (needs root or CAP_SYS_TIME); clock unchanged\n");
}

TEST_F(CmdtimeRunTest, RejectedReplyNeverTouchesTheClock)
{
    FakeSntpServer server(answerWithKiss);
    const RunOutput output = run(server, true);
    EXPECT_EQ(output.exitCode, exitNoValidReply);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "cmdtime: reply from 127.0.0.1 rejected: Kiss-o'-Death DENY (access refused)\n");
    EXPECT_TRUE(clock.steps.empty());
}

// T1 and T4 both read halfway between the scripted ones: every exchange of a
// run measures the scripted offset, however many went unanswered before it.
WallClock steadyWallClock()
{
    return [] { return NtpTimestamp {requestSentT1.seconds, replyReceivedT4.fraction / 2}; };
}

constexpr std::uint32_t fortyYears = 1'262'304'000; // 40 Julian years in seconds
constexpr std::uint32_t fortyYearsBack = 0u - fortyYears;
constexpr std::chrono::nanoseconds fortyYearsAhead = std::chrono::seconds {fortyYears} + scriptedOffset;
constexpr std::chrono::nanoseconds fortyYearsBehind = scriptedOffset - std::chrono::seconds {fortyYears};
constexpr const char* aheadLine = "offset +1262304003.500 s\n";
constexpr const char* behindLine = "offset -1262303996.500 s\n";

// Answers each query with the server's clock `extra[n]` seconds further on
// than the scripted exchange; a query past the list goes unanswered.
FakeSntpServer::Handler answerAhead(std::vector<std::uint32_t> extra)
{
    auto answered = std::make_shared<std::size_t>(0);
    return [extra, answered](FakeSntpServer& server, const ClientRequest& request) {
        if (*answered >= extra.size())
            return;
        const std::uint32_t ahead = extra[(*answered)++];
        // Unsigned wrap: forty years on crosses the NTP era of 2036, and
        // fortyYearsBack wraps round to forty years before.
        const NtpTimestamp received {requestReceivedT2.seconds + ahead, requestReceivedT2.fraction};
        const NtpTimestamp sent {replySentT3.seconds + ahead, replySentT3.fraction};
        server.reply(request, encodePacket(answerTo(request, received, sent)));
    };
}

std::string refusedAhead(const std::string& why)
{
    return "cmdtime: a step of +1262304003.500 s is more than 1000 s and " + why + "; clock unchanged\n";
}

// The clock is set from "pool.test", whose addresses the resolver lists.
struct StepCase {
    const char* name;
    std::vector<std::vector<std::uint32_t>> servers; // server n on 127.0.0.(n+1): what it answers
    std::vector<std::size_t> listed;                 // the pool's addresses, as servers' indexes
    int exitCode;
    std::string out;
    std::string err;
    std::vector<std::chrono::nanoseconds> steps;
    std::vector<int> requests; // seen by each server
};

void PrintTo(const StepCase& c, std::ostream* os)
{
    *os << c.name;
}

class StepConfirmationTest : public CmdtimeRunTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(StepConfirmationTest, LargeStepNeedsASecondAddress)
{
    const StepCase& c = GetParam();
    std::vector<std::unique_ptr<FakeSntpServer>> servers;
    for (std::size_t n = 0; n < c.servers.size(); ++n)
        servers.push_back(
            std::make_unique<FakeSntpServer>(answerAhead(c.servers[n]), "127.0.0." + std::to_string(n + 1)));
    Resolution pool;
    pool.status = Resolution::Status::Resolved;
    for (const std::size_t n : c.listed)
        pool.addresses.push_back(servers[n]->socketAddress());
    resolver = [pool](const std::string&, std::uint16_t) { return pool; };
    wallClock = steadyWallClock();

    const RunOutput output = runAsking("pool.test", ntpPort, true, 300ms);
    EXPECT_EQ(output.exitCode, c.exitCode) << output.err;
    EXPECT_EQ(output.out, c.out);
    EXPECT_EQ(output.err, c.err);
    EXPECT_EQ(clock.steps, c.steps);
    std::vector<int> requests;
    for (const auto& server : servers)
        requests.push_back(server->requestsSeen());
    EXPECT_EQ(requests, c.requests);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StepConfirmationTest,
    ::testing::Values(
        // However consistent, one address never confirms itself.
        StepCase {"OneAddressAskedOnce",
                  {{fortyYears, fortyYears}},
                  {0},
                  exitClockNotSet,
                  aheadLine,
                  refusedAhead("needs a second server address to agree, but pool.test has only one"),
                  {},
                  {1}},
        StepCase {"BackwardStepFromOneAddress",
                  {{fortyYearsBack, fortyYearsBack}},
                  {0},
                  exitClockNotSet,
                  behindLine,
                  "cmdtime: a step of -1262303996.500 s is more than 1000 s and needs a second server address to "
                  "agree, but pool.test has only one; clock unchanged\n",
                  {},
                  {1}},
        StepCase {"OneAddressListedTwice",
                  {{fortyYears, fortyYears}},
                  {0, 0},
                  exitClockNotSet,
                  aheadLine,
                  refusedAhead("needs a second server address to agree, but pool.test has only one"),
                  {},
                  {1}},
        StepCase {"SecondAddressAgrees",
                  {{fortyYears}, {fortyYears}},
                  {0, 1},
                  exitSuccess,
                  std::string(aheadLine)
                      + "confirmed by 127.0.0.2: offset +1262304003.500 s\nclock stepped by +1262304003.500 s\n",
                  "",
                  {fortyYearsAhead},
                  {1, 1}},
        StepCase {"BackwardStepConfirmed",
                  {{fortyYearsBack}, {fortyYearsBack}},
                  {0, 1},
                  exitSuccess,
                  std::string(behindLine)
                      + "confirmed by 127.0.0.2: offset -1262303996.500 s\nclock stepped by -1262303996.500 s\n",
                  "",
                  {fortyYearsBehind},
                  {1, 1}},
        StepCase {"SilentAddressPassedOver",
                  {{fortyYears}, {}, {fortyYears}},
                  {0, 1, 2},
                  exitSuccess,
                  std::string(aheadLine)
                      + "confirmed by 127.0.0.3: offset +1262304003.500 s\nclock stepped by +1262304003.500 s\n",
                  "",
                  {fortyYearsAhead},
                  {1, 1, 1}},
        StepCase {"SecondAddressTwoSecondsApart",
                  {{fortyYears}, {fortyYears + 2}},
                  {0, 1},
                  exitClockNotSet,
                  aheadLine,
                  refusedAhead("127.0.0.2 gave +1262304005.500 s"),
                  {},
                  {1, 1}},
        // The first answer from another address decides: a third that
        // sides with the first does not outvote it.
        StepCase {"SecondAddressInStep",
                  {{fortyYears}, {0}, {fortyYears}},
                  {0, 1, 2},
                  exitClockNotSet,
                  aheadLine,
                  refusedAhead("127.0.0.2 gave +3.500 s"),
                  {},
                  {1, 1, 0}},
        StepCase {"AtMostThreeOthersAsked",
                  {{fortyYears}, {}, {}, {}, {fortyYears}},
                  {0, 1, 2, 3, 4},
                  exitClockNotSet,
                  aheadLine,
                  refusedAhead("no second address confirmed it (no reply from 127.0.0.2 within 0.3 s; no reply from "
                               "127.0.0.3 within 0.3 s; no reply from 127.0.0.4 within 0.3 s)"),
                  {},
                  {1, 1, 1, 1, 0}},
        StepCase {"StepsUpToTheLimitNeedNoSecondAddress",
                  {{996}},
                  {0},
                  exitSuccess,
                  "offset +999.500 s\nclock stepped by +999.500 s\n",
                  "",
                  {std::chrono::milliseconds {999'500}},
                  {1}},
        StepCase {"BackwardStepsUpToTheLimitToo",
                  {{0u - 1003u}},
                  {0},
                  exitSuccess,
                  "offset -999.500 s\nclock stepped by -999.500 s\n",
                  "",
                  {std::chrono::milliseconds {-999'500}},
                  {1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CmdtimeRunTest, LargeOffsetWithoutSetIsOnlyPrinted)
{
    FakeSntpServer server(answerAhead({fortyYears}));
    const RunOutput output = run(server, false);
    EXPECT_EQ(output.exitCode, exitSuccess);
    EXPECT_EQ(output.out, aheadLine);
    EXPECT_EQ(server.requestsSeen(), 1);
}

struct RightsCase {
    const char* name;
    bool setClock;
    bool serverChosen;
    bool moreRightsThanCaller;
    bool refused;
};

void PrintTo(const RightsCase& c, std::ostream* os)
{
    *os << c.name;
}

class CallerRightsTest : public CmdtimeRunTest, public ::testing::WithParamInterface<RightsCase> {};

TEST_P(CallerRightsTest, ChosenServerMayNotSetTheClockOfARaisedRun)
{
    const RightsCase& c = GetParam();
    serverChosen = c.serverChosen;
    moreRightsThanCaller = c.moreRightsThanCaller;
    FakeSntpServer server(answerRight);
    const RunOutput output = run(server, c.setClock);
    if (c.refused) {
        EXPECT_EQ(output.exitCode, exitUsage);
        EXPECT_EQ(output.out, "");
        EXPECT_EQ(output.err,
                  "cmdtime: --server cannot be used with /P while cmdtime runs with more rights than "
                  "its caller (setuid or file capabilities); clock unchanged\n");
        EXPECT_EQ(server.requestsSeen(), 0);
    } else {
        EXPECT_EQ(output.exitCode, exitSuccess) << output.err;
        EXPECT_EQ(server.requestsSeen(), 1);
    }
    EXPECT_EQ(clock.steps.size(), c.setClock && !c.refused ? 1u : 0u);
}

// The built-in server is stood in for by the fake one: only the flag differs.
INSTANTIATE_TEST_SUITE_P(Cases, CallerRightsTest,
                         ::testing::Values(RightsCase {"RaisedSetWithChosenServer", true, true, true, true},
                                           RightsCase {"RaisedSetWithBuiltInServer", true, false, true, false},
                                           RightsCase {"RaisedQueryOfChosenServer", false, true, true, false},
                                           RightsCase {"PlainSetWithChosenServer", true, true, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
