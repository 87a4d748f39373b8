// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/autostart_registry.h"

#include "settings_test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using platform::RegistryRoot;
using settings::AutostartRegistry;
using settings_test::entriesOf;
using settings_test::readBytes;
using settings_test::writeBytes;

namespace {

const QString kRun = uR"(Software\Microsoft\Windows\CurrentVersion\Run)"_s;
const QString kValue = u"Horalux"_s;

class AutostartRegistryTest : public ::testing::Test {
protected:
    QString entryFile() const { return m_root.path() + u"/autostart/horalux.desktop"_s; }
    QString entryLine(const QString &key) const
    {
        const QStringList lines = QString::fromUtf8(readBytes(entryFile())).split(u'\n');
        for (const QString &line : lines) {
            if (line.startsWith(key + u'='))
                return line.mid(key.size() + 1);
        }
        return u"<none>"_s;
    }
    QString read(const QString &defaultValue = u"<default>"_s)
    {
        return registry.GetRegString(RegistryRoot::LocalMachine, kRun, kValue, defaultValue);
    }
    bool write(const QString &data, QString *problem = nullptr)
    {
        return registry.SetRegString(RegistryRoot::LocalMachine, kRun, kValue, data, problem);
    }

    QTemporaryDir m_root;
    AutostartRegistry registry {m_root.path()};
};

TEST_F(AutostartRegistryTest, OnOffOnKeepsTheEntryAndSwitchesIt)
{
    const QString program = u"/opt/Hora lux/horalux"_s;
    EXPECT_TRUE(write(QString()));
    EXPECT_FALSE(QFileInfo::exists(entryFile())) << "never switched on: no entry";
    EXPECT_EQ(read(), u"<default>") << "no entry yet";

    EXPECT_TRUE(write(program));
    EXPECT_EQ(read(), program);
    EXPECT_EQ(entryLine(u"Exec"_s), u"\"/opt/Hora lux/horalux\"");
    EXPECT_EQ(entryLine(u"TryExec"_s), program);
    EXPECT_EQ(entryLine(u"Hidden"_s), u"false");
    EXPECT_EQ(entryLine(u"Type"_s), u"Application");
    EXPECT_EQ(entryLine(u"X-GNOME-Autostart-enabled"_s), u"true");
    EXPECT_TRUE(readBytes(entryFile()).startsWith("[Desktop Entry]\n"));

    write(QString());
    EXPECT_TRUE(QFileInfo::exists(entryFile())) << "the value is emptied, never deleted";
    EXPECT_EQ(read(), u"");
    EXPECT_EQ(entryLine(u"Hidden"_s), u"true");
    EXPECT_EQ(entryLine(u"TryExec"_s), program) << "switched off, it still names its program";

    write(program);
    EXPECT_EQ(read(), program);
    EXPECT_EQ(entriesOf(m_root.path() + u"/autostart"_s), QStringList {u"horalux.desktop"_s});

    // Left by an older version: switched off, naming no program.
    ASSERT_TRUE(writeBytes(entryFile(), "[Desktop Entry]\nExec=\nHidden=true\n"));
    EXPECT_TRUE(write(QString()));
    EXPECT_FALSE(QFileInfo::exists(entryFile()));
}

TEST_F(AutostartRegistryTest, ProgramPathsRoundTripWithDesktopEntryQuoting)
{
    struct Case {
        QString program;
        QString execLine;
        QString tryExecLine;
    };
    const QList<Case> cases = {
        {u"/usr/bin/horalux"_s, u"/usr/bin/horalux"_s, u"/usr/bin/horalux"_s},
        {u"/home/a b/horalux"_s, u"\"/home/a b/horalux\""_s, u"/home/a b/horalux"_s},
        {u"/x/it's"_s, u"\"/x/it's\""_s, u"/x/it's"_s},
        {u"/x/a\"b"_s, u"\"/x/a\\\\\"b\""_s, u"/x/a\"b"_s},
        {u"/x/$HOME`id`"_s, u"\"/x/\\\\$HOME\\\\`id\\\\`\""_s, u"/x/$HOME`id`"_s},
        {u"/x/back\\slash"_s, u"\"/x/back\\\\\\\\slash\""_s, u"/x/back\\\\slash"_s},
        {u"/x/100%"_s, u"/x/100%%"_s, u"/x/100%"_s},
        {u"/x/ünï cødé/日本"_s, u"\"/x/ünï cødé/日本\""_s, u"/x/ünï cødé/日本"_s},
        {u"/x/line\nbreak"_s, u"\"/x/line\\nbreak\""_s, u"/x/line\\nbreak"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.program.toStdString());
        write(c.program);
        EXPECT_EQ(entryLine(u"Exec"_s), c.execLine);
        EXPECT_EQ(entryLine(u"TryExec"_s), c.tryExecLine);
        EXPECT_EQ(
            AutostartRegistry(m_root.path()).GetRegString(RegistryRoot::CurrentUser, kRun, kValue, u"<default>"_s),
            c.program);
    }
}

TEST_F(AutostartRegistryTest, OnlyTheRunValueIsMappedWhateverItsCase)
{
    registry.SetRegString(RegistryRoot::CurrentUser, kRun.toLower(), u"HORALUX"_s, u"/a/b"_s);
    EXPECT_EQ(registry.GetRegString(RegistryRoot::LocalMachine, kRun.toUpper(), u"horalux"_s), u"/a/b");

    const QList<std::pair<QString, QString>> others = {
        {kRun + u"Once"_s, kValue},
        {uR"(Software\Horalux)"_s, kValue},
        {kRun, u"Other"_s},
        {kRun, u"Horalux2"_s},
    };
    for (const auto &[path, value] : others) {
        SCOPED_TRACE((path + u" / "_s + value).toStdString());
        registry.SetRegString(RegistryRoot::CurrentUser, path, value, u"/evil"_s);
        EXPECT_EQ(registry.GetRegString(RegistryRoot::CurrentUser, path, value, u"dflt"_s), u"dflt");
    }
    EXPECT_EQ(read(), u"/a/b");
}

TEST_F(AutostartRegistryTest, EntriesWrittenElsewhereAreReadSensibly)
{
    struct Case {
        const char *name;
        QByteArray file;
        QString expected;
    };
    const QList<Case> cases = {
        {"switched off in the desktop's own tool",
         "[Desktop Entry]\nExec=/usr/bin/horalux\nX-GNOME-Autostart-enabled=false\n", u""_s},
        {"hidden", "[Desktop Entry]\nExec=/usr/bin/horalux\nHidden=true\n", u""_s},
        {"arguments after the program", "[Desktop Entry]\nExec = \"/a b/x\" --quiet %u\n", u"/a b/x"_s},
        {"other groups ignored", "# c\n[Desktop Entry]\nName=H\n[Desktop Action x]\nExec=/other\n", u"<default>"_s},
        {"no entry group", "Exec=/usr/bin/horalux\n", u"<default>"_s},
        {"binary garbage", QByteArray("\x00\xff\xfe[", 4), u"<default>"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(writeBytes(entryFile(), c.file));
        EXPECT_EQ(read(), c.expected);
    }
}

TEST_F(AutostartRegistryTest, WriteFailureIsToldAndLeavesNoEntry)
{
    // The autostart folder's place is taken by a file.
    ASSERT_TRUE(writeBytes(m_root.path() + u"/autostart"_s, "not a folder"));
    QString problem;
    EXPECT_FALSE(write(u"/usr/bin/horalux"_s, &problem));
    EXPECT_TRUE(problem.contains(entryFile())) << problem.toStdString();
    EXPECT_EQ(read(), u"<default>");
    EXPECT_EQ(entriesOf(m_root.path()), QStringList {u"autostart"_s});
}

TEST(ExpectedAutostartData, IsTheProgramsAbsolutePathAsItIs)
{
    EXPECT_EQ(settings::expectedAutostartData(u"/opt/horalux/./bin/../horalux"_s), u"/opt/horalux/horalux");
    EXPECT_EQ(settings::expectedAutostartData(u"horalux"_s), QDir::currentPath() + u"/horalux"_s);
    EXPECT_EQ(settings::expectedAutostartData(u"/opt/Horalux.bin"_s), u"/opt/Horalux.bin");
}

} // namespace
