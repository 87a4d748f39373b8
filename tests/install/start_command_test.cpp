// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/application_desktop.h"

#include "settings_dialog_test_world.h"

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

// ---- The settings dialog's start-with-desktop entry -----------------------

using settings_dialog_test::DialogWorld;
using AutostartOfInstalledProgram = DialogWorld;

TEST_F(AutostartOfInstalledProgram, ApplyWritesTheLauncher)
{
    platform.desktop.folder = u"/usr/lib/horalux"_s;
    platform.desktop.launcher = u"/usr/bin/horalux"_s;
    open();
    setChecked(u"startWithDesktopCheck"_s, true);
    click(u"applyButton"_s);
    EXPECT_EQ(runEntry(), u"/usr/bin/horalux");
}

TEST_F(AutostartOfInstalledProgram, OnlyAnEntryNamingTheLauncherCounts)
{
    platform.desktop.folder = u"/usr/lib/horalux"_s;
    platform.desktop.launcher = u"/usr/bin/horalux"_s;
    const std::pair<QString, bool> cases[] = {
        {u"/usr/bin/horalux"_s, true},
        {u"/USR/BIN/Horalux"_s, true},
        {u"/usr/lib/horalux/horalux"_s, false},
    };
    for (const auto &[stored, expected] : cases) {
        SCOPED_TRACE(stored.toStdString());
        setRunEntry(stored);
        open();
        EXPECT_EQ(checked(u"startWithDesktopCheck"_s), expected);
    }
}

} // namespace
