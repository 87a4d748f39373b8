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
    ClockStep answer{true, {}};

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
    RunOutput run(const FakeSntpServer& server, bool setClock)
    {
        CmdtimeOptions options;
        options.host = "127.0.0.1";
        options.port = server.port();
        options.timeout = 2s;
        options.setClock = setClock;
        RunDependencies dependencies;
        dependencies.setClock = clock.setter();
        dependencies.wallClock = scriptedWallClock();
        std::ostringstream out, err;
        const int exitCode = runCmdtime(options, dependencies, out, err);
        return {exitCode, out.str(), err.str()};
    }

    RecordingClockSetter clock;
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
    EXPECT_EQ(clock.steps, std::vector<std::chrono::nanoseconds>{scriptedOffset});
}

TEST_F(CmdtimeRunTest, RefusedStepIsReportedOnOneLine)
{
    clock.answer = {false, "not allowed to set the system clock (needs root or CAP_SYS_TIME); clock unchanged"};
    FakeSntpServer server(answerRight);
    const RunOutput output = run(server, true);
    EXPECT_EQ(output.exitCode, exitClockNotSet);
    EXPECT_EQ(output.out, "offset +3.500 s\n");
    EXPECT_EQ(output.err, "cmdtime: not allowed to set the system clock (needs root or CAP_SYS_TIME); clock unchanged\n");
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

} // namespace
