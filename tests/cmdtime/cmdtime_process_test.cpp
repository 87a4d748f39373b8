// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_sntp_server.h"
#include "sntp_client.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

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
ProcessOutput runProgram(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(10'000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "cmdtime did not finish";
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

ProcessOutput runCmdtime(const QStringList& args)
{
    for (const QString& arg : args) {
        if (arg.compare("/P", Qt::CaseInsensitive) == 0 || arg == "-p" || arg == "--set") {
            ADD_FAILURE() << "refusing to run cmdtime with " << arg.toStdString();
            return {};
        }
    }
    return runProgram(QStringLiteral(CMDTIME_EXECUTABLE), args);
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

// Answered without asking a server: the help names the configured server,
// the version is the clock's and reads as `horalux --version` does.
TEST(CmdtimeProcessTest, AnswersWithoutAServer)
{
    const struct {
        QStringList args;
        const char* out; // a pattern for all of stdout
    } cases[] = {
        {{"--help"}, "^usage: cmdtime.*default " CMDTIME_DEFAULT_SERVER},
        {{"--version"}, "^cmdtime " CMDTIME_VERSION "\n$"},
        {{"-v"}, "^cmdtime " CMDTIME_VERSION "\n$"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ProcessOutput output = runCmdtime(c.args);
        EXPECT_EQ(output.exitCode, 0);
        EXPECT_EQ(output.err, "");
        const QRegularExpression out(c.out, QRegularExpression::DotMatchesEverythingOption);
        EXPECT_TRUE(out.match(output.out).hasMatch()) << output.out.toStdString();
    }
}

// A copy of the program made setuid to nobody: run by root, it starts with
// a real id of root and an effective one of nobody, which is "more rights
// than the caller" to the kernel (AT_SECURE) just as a setuid-root copy run
// by a user is. Its effective id holds no CAP_SYS_TIME, so even a build that
// failed to refuse could not step this machine's clock.
class RaisedCmdtimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to make a setuid copy";
#if defined(__SANITIZE_ADDRESS__)
        // Its leak check at exit must trace the process's threads, which the
        // kernel refuses for a setuid process; the plain build runs this.
        GTEST_SKIP() << "LeakSanitizer cannot check a setuid process";
#endif
        ASSERT_TRUE(folder.isValid());
        struct statvfs mount {};
        if (::statvfs(QFile::encodeName(folder.path()).constData(), &mount) == 0 && (mount.f_flag & ST_NOSUID))
            GTEST_SKIP() << "the temporary folder is mounted nosuid";
        if (noNewPrivileges())
            GTEST_SKIP() << "no_new_privs is set: setuid bits are ignored";
        const passwd* nobody = ::getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        copy = folder.filePath(QStringLiteral("cmdtime"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(CMDTIME_EXECUTABLE), copy));
        const QByteArray path = QFile::encodeName(copy);
        // Root starts the copy, so the private temporary folder stays closed.
        ASSERT_EQ(::chown(path.constData(), nobody->pw_uid, nobody->pw_gid), 0);
        ASSERT_EQ(::chmod(path.constData(), 04755), 0);
    }

    static bool noNewPrivileges()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        return status.readAll().contains("NoNewPrivs:\t1");
    }

    QTemporaryDir folder;
    QString copy;
};

TEST_F(RaisedCmdtimeTest, RefusesAChosenServerWithSet)
{
    FakeSntpServer server(answerInSync);
    const ProcessOutput output = runProgram(copy, askServer(server) << QStringLiteral("/P"));
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err,
              "cmdtime: --server cannot be used with /P while cmdtime runs with more rights than its "
              "caller (setuid or file capabilities); clock unchanged\n");
    EXPECT_EQ(server.requestsSeen(), 0);
}

TEST_F(RaisedCmdtimeTest, StillAnswersAChosenServerWithoutSet)
{
    FakeSntpServer server(answerInSync);
    const ProcessOutput output = runProgram(copy, askServer(server));
    EXPECT_EQ(output.exitCode, 0) << output.err.toStdString();
    EXPECT_TRUE(output.out.startsWith("offset ")) << output.out.toStdString();
}

} // namespace
