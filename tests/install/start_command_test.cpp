// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/application_desktop.h"
#include "settingsstore/autostart_entry.h"

#include "fake_platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class StartCommand : public ::testing::Test {
protected:
    QString path(const QString &relative) const { return QDir::cleanPath(m_root.filePath(relative)); }

    void makeFile(const QString &relative, bool executable = true) const
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path(relative)).path()));
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.setPermissions(executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                       : QFile::ReadOwner | QFile::WriteOwner);
    }
    void makeLink(const QString &relative, const QString &target) const
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path(relative)).path()));
        ASSERT_TRUE(QFile::link(target, path(relative)));
    }

private:
    QTemporaryDir m_root;
};

TEST_F(StartCommand, TheLauncherOfAnInstalledLayoutElseTheProgramItself)
{
    struct Case {
        const char *what;
        QString program;
        QString launcher; // made executable when not empty
        bool launcherUsed;
    };
    const Case cases[] = {
        {"installed under lib", u"usr/lib/horalux/horalux"_s, u"usr/bin/horalux"_s, true},
        {"installed under libexec", u"opt/libexec/horalux/horalux"_s, u"opt/bin/horalux"_s, true},
        {"no launcher beside the prefix", u"prefix/lib/horalux/horalux"_s, u""_s, false},
        {"run from a build folder", u"build/horalux"_s, u"bin/horalux"_s, false},
        {"folder not the program's own", u"usr/lib/clock/horalux"_s, u"usr/bin/horalux"_s, false},
        {"horalux folder not under lib", u"usr/share/horalux/horalux"_s, u"usr/bin/horalux"_s, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        makeFile(c.program);
        if (!c.launcher.isEmpty())
            makeFile(c.launcher);
        EXPECT_EQ(platform::startCommandFor(path(c.program)), c.launcherUsed ? path(c.launcher) : path(c.program));
    }
}

TEST_F(StartCommand, ALauncherThatCannotRunIsPassedOver)
{
    makeFile(u"a/lib/horalux/horalux"_s);
    makeFile(u"a/bin/horalux"_s, false);
    EXPECT_EQ(platform::startCommandFor(path(u"a/lib/horalux/horalux"_s)), path(u"a/lib/horalux/horalux"_s));

    makeFile(u"b/lib/horalux/horalux"_s);
    makeLink(u"b/bin/horalux"_s, u"../lib/horalux/missing"_s);
    EXPECT_EQ(platform::startCommandFor(path(u"b/lib/horalux/horalux"_s)), path(u"b/lib/horalux/horalux"_s))
        << "a dangling link";

    makeFile(u"c/lib/horalux/horalux"_s);
    ASSERT_TRUE(QDir().mkpath(path(u"c/bin/horalux"_s)));
    EXPECT_EQ(platform::startCommandFor(path(u"c/lib/horalux/horalux"_s)), path(u"c/lib/horalux/horalux"_s))
        << "a folder of that name";
}

TEST_F(StartCommand, ALinkedLauncherIsNamedByItsOwnPath)
{
    makeFile(u"usr/lib/horalux/horalux"_s);
    makeLink(u"usr/bin/horalux"_s, u"../lib/horalux/horalux"_s);
    EXPECT_EQ(platform::startCommandFor(path(u"usr/lib/horalux/horalux"_s)), path(u"usr/bin/horalux"_s));
}

// ---- The start-with-desktop entry of an installed program ----------------

class AutostartOfInstalledProgram : public ::testing::Test {
protected:
    AutostartOfInstalledProgram()
    {
        desktop.folder = u"/usr/lib/horalux"_s;
        desktop.launcher = u"/usr/bin/horalux"_s;
    }

    QTemporaryDir m_root;
    FakeDesktop desktop;
    settings::AutostartEntry entry {m_root.path(), desktop};
};

TEST_F(AutostartOfInstalledProgram, SwitchingOnWritesTheLauncher)
{
    ASSERT_TRUE(entry.setEnabled(true));
    EXPECT_EQ(entry.startedProgram(), u"/usr/bin/horalux");
}

TEST_F(AutostartOfInstalledProgram, OnlyAnEntryNamingTheLauncherCounts)
{
    const std::pair<QByteArray, bool> cases[] = {
        {"/usr/bin/horalux", true},
        {"/USR/BIN/Horalux", true},
        {"/usr/lib/horalux/horalux", false},
    };
    ASSERT_TRUE(QDir().mkpath(m_root.filePath(u"autostart"_s)));
    for (const auto &[stored, expected] : cases) {
        SCOPED_TRACE(stored.toStdString());
        QFile file(entry.entryFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Desktop Entry]\nExec=" + stored + '\n');
        file.close();
        EXPECT_EQ(entry.isEnabled(), expected);
    }
}

} // namespace
