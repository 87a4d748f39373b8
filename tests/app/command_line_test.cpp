// SPDX-License-Identifier: GPL-3.0-or-later
#include "horalux_version.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// The built clock, started with a settings folder of its own and no display
// but what `variable` ("NAME=value") names.
class StartedClock {
public:
    explicit StartedClock(const QStringList &arguments, const QString &variable = QString())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            environment.remove(QString::fromLatin1(variable));
        if (!variable.isEmpty())
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
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
        m_process.setProcessEnvironment(environment);
        m_process.start(QStringLiteral(HORALUX_PROGRAM), arguments);
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
        StartedClock clock(c.arguments, c.variable);
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
