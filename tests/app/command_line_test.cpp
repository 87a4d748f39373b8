// SPDX-License-Identifier: GPL-3.0-or-later
#include "horalux_version.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// The built clock, started with a settings folder of its own and no display
// but what `variables` name.
class StartedClock {
public:
    // `wrapper`, when given, is run with the clock's path and arguments after
    // it; `variables` are NAME=value pairs added to the environment.
    explicit StartedClock(const QStringList &arguments, const QStringList &wrapper = {},
                          const QStringList &variables = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            environment.remove(QString::fromLatin1(variable));
        const QString root = m_root.path();
        QDir().mkpath(root + QStringLiteral("/config/Horalux"));
        QDir().mkpath(root + QStringLiteral("/runtime"));
        QFile(root + QStringLiteral("/runtime")).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // No time sync: a test must not ask a server on the internet.
        QFile ini(root + QStringLiteral("/config/Horalux/Horalux.ini"));
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[data]\nsync=False\n");
        environment.insert(QStringLiteral("HOME"), root);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/runtime"));
        for (const QString &pair : variables)
            environment.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        m_process.setProcessEnvironment(environment);
        const QStringList command = wrapper + QStringList {QStringLiteral(HORALUX_PROGRAM)} + arguments;
        m_process.start(command.first(), command.mid(1));
    }
    ~StartedClock()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    QProcess &process() { return m_process; }

private:
    QTemporaryDir m_root;
    QProcess m_process;
};

TEST(CommandLine, AnsweredWithoutADisplay)
{
    const QByteArray version = QByteArray("Horalux ") + horalux_version::Dotted + '\n';
    const struct {
        QStringList arguments;
        QString variable;
        int status;
        QByteArray outStarts; // stdout begins with it
        QByteArray errStarts; // stderr is one line that begins with it
    } cases[] = {
        {{u"--help"_qs}, {}, 0, "Usage: horalux", ""},
        {{u"-h"_qs}, {}, 0, "Usage: horalux", ""},
        {{u"--version"_qs}, {}, 0, version, ""},
        {{u"-platform"_qs, u"xcb"_qs, u"-style=fusion"_qs, u"-v"_qs}, {}, 0, version, ""},
        {{u"--bogus"_qs}, {}, 2, "", "horalux: unknown option '--bogus'"},
        {{u"-platform=offscreen"_qs}, {}, 2, "", "horalux: unknown option '-platform=offscreen'"},
        {{u"-platform"_qs}, {}, 2, "", "horalux: no value after '-platform'"},
        {{u"clock"_qs}, {}, 2, "", "horalux: unexpected argument 'clock'"},
        {{}, {}, 1, "", "horalux: no display: "},
        // A display that cannot be opened: Qt's X11 platform would abort.
        {{}, u"DISPLAY=:98"_qs, 1, "", "horalux: cannot open display :98: "},
        {{u"-display"_qs, u":99"_qs}, {}, 1, "", "horalux: cannot open display :99: "},
        {{}, u"DISPLAY=127.0.0.1:97.0"_qs, 1, "", "horalux: cannot open display 127.0.0.1:97.0: "},
        {{}, u"WAYLAND_DISPLAY=horalux-none"_qs, 1, "", "horalux: cannot open an X display: "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE((c.variable + u' ' + c.arguments.join(u' ')).toStdString());
        StartedClock clock(c.arguments, {}, c.variable.isEmpty() ? QStringList() : QStringList {c.variable});
        QProcess &process = clock.process();
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), c.status);
        const QByteArray out = process.readAllStandardOutput(), err = process.readAllStandardError();
        EXPECT_TRUE(out.startsWith(c.outStarts) && (c.outStarts != version || out == version)) << out.toStdString();
        if (c.errStarts.isEmpty())
            EXPECT_EQ(err, QByteArray());
        else
            EXPECT_TRUE(err.startsWith(c.errStarts) && err.count('\n') == 1 && err.endsWith('\n')) << err.toStdString();
    }
}

// Qt's own options still reach Qt: named on the command line, a platform
// needs no display variable.
TEST(CommandLine, PlatformOptionStillStartsTheClock)
{
    StartedClock clock({u"-platform"_qs, u"offscreen"_qs});
    QProcess &process = clock.process();
    ASSERT_TRUE(process.waitForStarted());
    EXPECT_FALSE(process.waitForFinished(2000)) << process.readAllStandardError().toStdString();
}

} // namespace

TEST(CommandLine, WaylandAskedForWithoutItsPluginSaysWhichPackageBringsIt)
{
    // Qt's platform plugins hidden under an empty folder, in a mount namespace of the clock's own.
    const QString platforms = QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    const QStringList hidden = {
        u"unshare"_qs, u"--mount"_qs, u"sh"_qs, u"-c"_qs, u"mount -t tmpfs tmpfs \"$0\" && exec \"$@\""_qs, platforms};
    {
        StartedClock probe({u"--version"_qs}, hidden);
        probe.process().waitForFinished(10000);
        if (probe.process().exitCode() != 0)
            GTEST_SKIP() << "no mount namespace here: " << probe.process().readAllStandardError().toStdString();
    }
    const struct {
        const char *variable;
        QStringList arguments;
        bool refused;
    } cases[] = {
        {"wayland", {}, true},
        {"wayland-egl", {}, true},
        {"wayland;wayland-egl:option", {}, true},
        {"xcb", {u"-platform"_qs, u"wayland"_qs}, true},
        // Qt falls back to xcb, or the command line overrides: Qt's to answer.
        {"wayland;xcb", {}, false},
        {"wayland", {u"-platform"_qs, u"xcb"_qs}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.variable + (u' ' + c.arguments.join(u' ')).toStdString());
        StartedClock clock(c.arguments, hidden, {u"QT_QPA_PLATFORM="_qs + QLatin1String(c.variable)});
        QProcess &process = clock.process();
        ASSERT_TRUE(process.waitForFinished(10000));
        const QByteArray err = process.readAllStandardError();
        EXPECT_EQ(err.contains("install the package qt6-wayland"), c.refused) << err.toStdString();
        if (c.refused) {
            EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(process.exitCode(), 1);
            EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
        }
    }
}
