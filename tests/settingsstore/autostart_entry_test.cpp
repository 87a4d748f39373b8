// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore/autostart_entry.h"

#include "fake_platform.h"
#include "settings_test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using settings::AutostartEntry;
using settings_test::entriesOf;
using settings_test::readBytes;
using settings_test::writeBytes;

namespace {

class AutostartEntryTest : public ::testing::Test {
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
    // The entry's program, "<default>" when there is no readable entry.
    QString read() const { return entry.startedProgram().value_or(u"<default>"_s); }
    // Switched on for the program, or off when there is none.
    bool write(const QString &program, QString *problem = nullptr)
    {
        desktop.launcher = program;
        return entry.setEnabled(!program.isEmpty(), problem);
    }

    QTemporaryDir m_root;
    FakeDesktop desktop;
    AutostartEntry entry {m_root.path(), desktop};
};

TEST_F(AutostartEntryTest, OnOffOnKeepsTheEntryAndSwitchesIt)
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

TEST_F(AutostartEntryTest, ProgramPathsRoundTripWithDesktopEntryQuoting)
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
        EXPECT_EQ(AutostartEntry(m_root.path(), desktop).startedProgram(), c.program);
        EXPECT_TRUE(entry.isEnabled());
    }
}

TEST_F(AutostartEntryTest, CountsAsOnWhenItNamesThisProgramInAnyCase)
{
    desktop.launcher = u"/opt/horalux/horalux"_s;
    const std::pair<std::optional<QByteArray>, bool> cases[] = {
        {"[Desktop Entry]\nExec=/opt/horalux/horalux\n", true},
        {"[Desktop Entry]\nExec=/OPT/Horalux/HORALUX\n", true},
        {"[Desktop Entry]\nExec=/opt/other/horalux\n", false},
        {"[Desktop Entry]\nExec=/opt/horalux/horalux.exe\n", false},
        {"[Desktop Entry]\nExec=/opt/horalux/horalux\nHidden=true\n", false},
        {std::nullopt, false},
    };
    for (const auto &[file, expected] : cases) {
        SCOPED_TRACE(file.value_or("<missing>").toStdString());
        QFile::remove(entryFile());
        if (file) {
            ASSERT_TRUE(writeBytes(entryFile(), *file));
        }
        EXPECT_EQ(entry.isEnabled(), expected);
    }
}

TEST_F(AutostartEntryTest, EntriesWrittenElsewhereAreReadSensibly)
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

TEST_F(AutostartEntryTest, WriteFailureIsToldAndLeavesNoEntry)
{
    // The autostart folder's place is taken by a file.
    ASSERT_TRUE(writeBytes(m_root.path() + u"/autostart"_s, "not a folder"));
    QString problem;
    EXPECT_FALSE(write(u"/usr/bin/horalux"_s, &problem));
    EXPECT_TRUE(problem.contains(entryFile())) << problem.toStdString();
    EXPECT_EQ(read(), u"<default>");
    EXPECT_EQ(entriesOf(m_root.path()), QStringList {u"autostart"_s});
}

TEST(EntryProgramFor, IsTheStartCommandsAbsolutePathAsItIs)
{
    EXPECT_EQ(settings::entryProgramFor(u"/opt/horalux/./bin/../horalux"_s), u"/opt/horalux/horalux");
    EXPECT_EQ(settings::entryProgramFor(u"horalux"_s), QDir::currentPath() + u"/horalux"_s);
    EXPECT_EQ(settings::entryProgramFor(u"/opt/Horalux.bin"_s), u"/opt/Horalux.bin");
}

} // namespace
