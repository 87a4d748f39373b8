#include "fake_sntp_server.h"
#include "sntp_client.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

using namespace cmdtime;
using namespace cmdtime::testing;

namespace {

struct ProcessOutput {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the built program. Never with a set option: the tests may run as root,
// and the real program would then step this machine's clock.
ProcessOutput runCmdtime(const QStringList& args)
{
    for (const QString& arg : args) {
        if (arg.compare("/P", Qt::CaseInsensitive) == 0 || arg == "-p" || arg == "--set") {
            ADD_FAILURE() << "refusing to run cmdtime with " << arg.toStdString();
            return {};
        }
    }
    QProcess process;
    process.start(QStringLiteral(CMDTIME_EXECUTABLE), args);
    if (!process.waitForFinished(10'000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "cmdtime did not finish";
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QStringList askServer(const FakeSntpServer& server, const char* timeout = "2")
{
    return {"--server", QString::fromStdString(server.endpoint()), "--timeout", timeout};
}

// Answers with our own time. Should a broken build ever step the clock without
// being asked, this machine's clock then moves by a fraction of a millisecond
// instead of by whatever offset the test chose.
void answerInSync(FakeSntpServer& server, const ClientRequest& request)
{
    const NtpTimestamp now = systemWallClock();
    server.reply(request, encodePacket(answerTo(request, now, now)));
}

TEST(CmdtimeProcessTest, PrintsTheOffsetAndSucceeds)
{
    FakeSntpServer server(answerInSync);
    const ProcessOutput output = runCmdtime(askServer(server));
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_EQ(output.err, "");
    // Exactly one line: no "clock stepped" without a set option.
    const auto match = QRegularExpression(R"(^offset ([+-]\d+\.\d{3}) s\n$)").match(output.out);
    ASSERT_TRUE(match.hasMatch()) << output.out.toStdString();
    EXPECT_NEAR(match.captured(1).toDouble(), 0.0, 0.5);
}

TEST(CmdtimeProcessTest, KissOfDeathFailsWithOneLineNamingTheCode)
{
    FakeSntpServer server([](FakeSntpServer& s, const ClientRequest& request) {
        SntpPacket kiss = answerTo(request, {}, {});
        kiss.stratum = 0;
        kiss.leapIndicator = 3;
        kiss.referenceId = {'R', 'A', 'T', 'E'};
        s.reply(request, encodePacket(kiss));
    });
    const ProcessOutput output = runCmdtime(askServer(server));
    EXPECT_EQ(output.exitCode, 1);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "cmdtime: reply from 127.0.0.1 rejected: Kiss-o'-Death RATE (polling too often)\n");
}

TEST(CmdtimeProcessTest, SilentServerTimesOut)
{
    FakeSntpServer server([](FakeSntpServer&, const ClientRequest&) {});
    const ProcessOutput output = runCmdtime(askServer(server, "0.3"));
    EXPECT_EQ(output.exitCode, 1);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "cmdtime: no reply from 127.0.0.1 within 0.3 s\n");
}

TEST(CmdtimeProcessTest, UnknownArgumentGivesUsageAndExitTwo)
{
    const ProcessOutput output = runCmdtime({"--bogus"});
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_EQ(output.out, "");
    EXPECT_TRUE(output.err.contains("'--bogus'")) << output.err.toStdString();
    EXPECT_TRUE(output.err.contains("usage: cmdtime")) << output.err.toStdString();
    EXPECT_EQ(output.err.count('\n'), 1);
}

TEST(CmdtimeProcessTest, HelpNamesTheConfiguredServer)
{
    const ProcessOutput output = runCmdtime({"--help"});
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_TRUE(output.out.startsWith("usage: cmdtime"));
    EXPECT_TRUE(output.out.contains("default " CMDTIME_DEFAULT_SERVER)) << output.out.toStdString();
}

} // namespace
