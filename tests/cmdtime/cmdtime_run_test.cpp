// SPDX-License-Identifier: GPL-3.0-or-later
#include "cmdtime_run.h"
#include "fake_sntp_server.h"
#include "scripted_times.h"

#include <gtest/gtest.h>

#include <sstream>
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
        CmdtimeOptions options;
        options.host = "127.0.0.1";
        options.port = server.port();
        options.timeout = timeout;
        options.setClock = setClock;
        options.serverChosen = serverChosen;
        RunDependencies dependencies;
        dependencies.setClock = clock.setter();
        dependencies.wallClock = wallClock;
        dependencies.moreRightsThanCaller = moreRightsThanCaller;
        std::ostringstream out, err;
        const int exitCode = runCmdtime(options, dependencies, out, err);
        return {exitCode, out.str(), err.str()};
    }

    RecordingClockSetter clock;
    WallClock wallClock = scriptedWallClock();
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

// The local clock reads T1 at each query's send and T4 at each receipt, so
// every exchange in one run measures the same offset.
WallClock wallClockPerQuery()
{
    auto readings = std::make_shared<int>(0);
    return [readings] { return (*readings)++ % 2 == 0 ? requestSentT1 : replyReceivedT4; };
}

constexpr std::uint32_t fortyYears = 1'262'304'000; // 40 Julian years in seconds
constexpr std::chrono::nanoseconds fortyYearsAhead = std::chrono::seconds {fortyYears} + scriptedOffset;

// Answers each query with the server's clock `extra[n]` seconds further on
// than the scripted exchange; a query past the list goes unanswered.
FakeSntpServer::Handler answerAhead(std::vector<std::uint32_t> extra)
{
    auto answered = std::make_shared<std::size_t>(0);
    return [extra, answered](FakeSntpServer& server, const ClientRequest& request) {
        if (*answered >= extra.size())
            return;
        const std::uint32_t ahead = extra[(*answered)++];
        // Unsigned wrap: forty years on crosses the NTP era of 2036.
        const NtpTimestamp received {requestReceivedT2.seconds + ahead, requestReceivedT2.fraction};
        const NtpTimestamp sent {replySentT3.seconds + ahead, replySentT3.fraction};
        server.reply(request, encodePacket(answerTo(request, received, sent)));
    };
}

TEST_F(CmdtimeRunTest, FortyYearStepConfirmedBySecondQueryIsMade)
{
    wallClock = wallClockPerQuery();
    FakeSntpServer server(answerAhead({fortyYears, fortyYears}));
    const RunOutput output = run(server, true);
    EXPECT_EQ(output.exitCode, exitSuccess) << output.err;
    EXPECT_EQ(output.out,
              "offset +1262304003.500 s\n"
              "confirmed by a second query: offset +1262304003.500 s\n"
              "clock stepped by +1262304003.500 s\n");
    EXPECT_EQ(clock.steps, std::vector<std::chrono::nanoseconds> {fortyYearsAhead});
    EXPECT_EQ(server.requestsSeen(), 2);
}

struct UnconfirmedCase {
    const char* name;
    std::vector<std::uint32_t> answers;
    const char* err;
};

void PrintTo(const UnconfirmedCase& c, std::ostream* os)
{
    *os << c.name;
}

class UnconfirmedStepTest : public CmdtimeRunTest, public ::testing::WithParamInterface<UnconfirmedCase> {};

TEST_P(UnconfirmedStepTest, LeavesTheClockAndSaysWhy)
{
    const UnconfirmedCase& c = GetParam();
    wallClock = wallClockPerQuery();
    FakeSntpServer server(answerAhead(c.answers));
    const RunOutput output = run(server, true, 300ms);
    EXPECT_EQ(output.exitCode, exitClockNotSet);
    EXPECT_EQ(output.out, "offset +1262304003.500 s\n");
    EXPECT_EQ(output.err, c.err);
    EXPECT_TRUE(clock.steps.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnconfirmedStepTest,
    ::testing::Values(
        UnconfirmedCase {"SecondQueryUnanswered",
                         {fortyYears},
                         "cmdtime: a step of +1262304003.500 s is more than 1000 s and the second query to confirm "
                         "it failed (no reply from 127.0.0.1 within 0.3 s); clock unchanged\n"},
        UnconfirmedCase {"SecondQueryTwoSecondsApart",
                         {fortyYears, fortyYears + 2},
                         "cmdtime: a step of +1262304003.500 s is more than 1000 s and a second query gave "
                         "+1262304005.500 s; clock unchanged\n"},
        UnconfirmedCase {"SecondQueryInStep",
                         {fortyYears, 0},
                         "cmdtime: a step of +1262304003.500 s is more than 1000 s and a second query gave "
                         "+3.500 s; clock unchanged\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CmdtimeRunTest, StepsUpToTheLimitNeedNoSecondQuery)
{
    wallClock = wallClockPerQuery();
    FakeSntpServer server(answerAhead({996})); // +999.5 s in all
    const RunOutput output = run(server, true, 300ms);
    EXPECT_EQ(output.exitCode, exitSuccess) << output.err;
    EXPECT_EQ(clock.steps, std::vector<std::chrono::nanoseconds> {std::chrono::milliseconds {999'500}});
    EXPECT_EQ(server.requestsSeen(), 1);
}

TEST_F(CmdtimeRunTest, LargeOffsetWithoutSetIsOnlyPrinted)
{
    wallClock = wallClockPerQuery();
    FakeSntpServer server(answerAhead({fortyYears}));
    const RunOutput output = run(server, false);
    EXPECT_EQ(output.exitCode, exitSuccess);
    EXPECT_EQ(output.out, "offset +1262304003.500 s\n");
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
