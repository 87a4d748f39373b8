// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore/autostart_entry.h"
#include "settingsstore/settings_store.h"

#include "settings_test_files.h"

#include "fake_platform.h"
#include "file_size_limit.h"
#include "log_capture.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <functional>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using settings::IniSettingsStore;
using settings_test::writeBytes;

// Stands in for libc's fsync in this program: folder flushes fail while
// `folderSyncFails` is set, as on a disk that took the rename but reports an
// error on the flush; flushed files are counted; `editDuringWrite`, once set,
// runs at the next flush of a file, as another program's edit made while the
// store writes.
std::atomic<bool> folderSyncFails {false};
std::atomic<int> filesSynced {0};
std::function<void()> editDuringWrite;
std::atomic<bool> editArmed {false};

extern "C" int fsync(int fd)
{
    struct stat st {};
    const bool folder = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
    if (folder && folderSyncFails) {
        errno = EIO;
        return -1;
    }
    if (S_ISREG(st.st_mode)) {
        ++filesSynced;
        if (editArmed.exchange(false))
            editDuringWrite();
    }
    return int(::syscall(SYS_fsync, fd));
}

namespace {

const QString kApp = u"Horalux"_s;
const QString kCategory = u"horalux.settings"_s;

class SettingsLogTest : public ::testing::Test {
protected:
    QString file() const { return root.path() + u"/Horalux/Horalux.ini"_s; }
    QTemporaryDir root;
    IniSettingsStore store {root.path()};
    LogCapture log;

    // The one message logged since the last call, or a failure naming them all.
    QString onlyMessage()
    {
        const QStringList logged = log.texts(kCategory);
        log.clear();
        if (logged.size() != 1) {
            ADD_FAILURE() << "expected one message, got " << logged.size() << ": " << logged.join(u'\n').toStdString();
            return QString();
        }
        return logged.front();
    }
    void expectNothingLogged()
    {
        EXPECT_TRUE(log.messages().isEmpty()) << log.messages().front().text.toStdString();
        log.clear();
    }
};

TEST_F(SettingsLogTest, TheNormalPathLogsNothing)
{
    EXPECT_EQ(store.GetSetting(kApp, u"data"_s, u"scan"_s, u"20"_s), u"20");
    store.SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);
    store.SaveSetting(kApp, u"data"_s, u"dst"_s, u"False"_s);
    store.DeleteSetting(kApp, u"data"_s, u"dst"_s);
    ASSERT_TRUE(writeBytes(file(), "[data]\nscan=40\n"));
    EXPECT_EQ(store.GetSetting(kApp, u"data"_s, u"scan"_s), u"40");
    store.flush();
    FakeDesktop desktop;
    desktop.launcher = u"/usr/bin/horalux"_s;
    settings::AutostartEntry autostart(root.path(), desktop);
    autostart.setEnabled(true);
    expectNothingLogged();
}

TEST_F(SettingsLogTest, ADamagedFileIsLoggedOnceWithItsFirstBadLine)
{
    ASSERT_TRUE(writeBytes(file(), "[data]\nscan=30\n\xff junk\ntz1=Paris\n\x01\n"));
    EXPECT_EQ(store.GetSetting(kApp, u"data"_s, u"tz1"_s), u"Paris");
    const QString message = onlyMessage();
    EXPECT_TRUE(message.contains(file())) << message.toStdString();
    EXPECT_TRUE(message.contains(u"2 line(s)"_s)) << message.toStdString();
    EXPECT_TRUE(message.contains(u"line 3"_s)) << message.toStdString();
    EXPECT_TRUE(message.contains(u".bad"_s)) << message.toStdString();

    // Reading on, and the save that keeps it aside, add nothing.
    store.GetSetting(kApp, u"data"_s, u"scan"_s);
    store.SaveSetting(kApp, u"data"_s, u"dst"_s, u"False"_s);
    store.GetSetting(kApp, u"data"_s, u"scan"_s);
    expectNothingLogged();
}

TEST_F(SettingsLogTest, AFailedSaveIsLoggedOnceUntilASaveSucceeds)
{
    store.SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);
    {
        const FileSizeLimit full(150);
        for (int x = 0; x < 5; ++x) {
            store.SaveSetting(kApp, u"data"_s, u"FormX"_s, QString(100, u'1') + QString::number(x));
            store.flush();
        }
        const QString message = onlyMessage();
        EXPECT_TRUE(message.contains(file())) << message.toStdString();
        EXPECT_TRUE(message.contains(qt_error_string(EFBIG))) << message.toStdString();
    }
    store.SaveSetting(kApp, u"data"_s, u"FormY"_s, u"200"_s);
    store.flush();
    expectNothingLogged();
    {
        const FileSizeLimit full(150);
        store.SaveSetting(kApp, u"data"_s, u"FormX"_s, QString(200, u'2'));
        store.flush();
        EXPECT_FALSE(onlyMessage().isEmpty()) << "a new failure after a success is logged again";
    }
}

TEST_F(SettingsLogTest, AFileThatCannotBeReadIsLoggedOnce)
{
    QDir().mkpath(file());
    EXPECT_EQ(store.GetSetting(kApp, u"data"_s, u"scan"_s, u"20"_s), u"20");
    store.SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);
    store.SaveSetting(kApp, u"data"_s, u"scan"_s, u"31"_s);
    store.flush();
    const QString message = onlyMessage();
    EXPECT_TRUE(message.contains(qt_error_string(EISDIR))) << message.toStdString();
}

TEST_F(SettingsLogTest, ARenameWhoseFolderFlushFailsIsNoSaveUntilWrittenAgain)
{
    store.SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);
    folderSyncFails = true;
    QString problem;
    const bool saved = store.flush(&problem);
    folderSyncFails = false;
    EXPECT_FALSE(saved) << "a power cut may still undo the rename";
    EXPECT_TRUE(problem.contains(file()) && problem.contains(u"the disk reported an error"_s)) << problem.toStdString();
    EXPECT_TRUE(onlyMessage().contains(qt_error_string(EIO)));

    const int synced = filesSynced;
    EXPECT_TRUE(store.flush());
    EXPECT_GT(filesSynced, synced) << "the version the folder flush left unsure is written again";
    EXPECT_EQ(IniSettingsStore(root.path()).GetSetting(kApp, u"data"_s, u"scan"_s), u"30");
    expectNothingLogged();
}

// Another program's edit that lands between our read and our rename is read
// and ours laid over it; where both changed a key, theirs is the later.
TEST_F(SettingsLogTest, AnEditMadeDuringOurWriteIsMergedNotOverwritten)
{
    struct Case {
        const char *name;
        std::function<void(IniSettingsStore &)> ours;
        QByteArray theirs;
        QList<std::pair<QString, QString>> expected; // data's keys
    };
    const QList<Case> cases = {
        {"another key",
         [](IniSettingsStore &s) { s.SaveSetting(kApp, u"data"_s, u"dst"_s, u"False"_s); },
         "[data]\nscan=30\ntz1=Lima\n",
         {{u"tz1"_s, u"Lima"_s}, {u"dst"_s, u"False"_s}}},
        {"the key we delete",
         [](IniSettingsStore &s) { s.DeleteSetting(kApp, u"data"_s, u"scan"_s); },
         "[data]\nscan=40\ntz1=Paris\n",
         {{u"scan"_s, u"40"_s}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(writeBytes(file(), "[data]\nscan=30\ntz1=Paris\n"));
        IniSettingsStore mine(root.path());
        mine.GetSetting(kApp, u"data"_s, u"scan"_s);
        c.ours(mine);
        editDuringWrite = [&] {
            const QString edit = file() + u".edit"_s;
            writeBytes(edit, c.theirs);
            std::rename(QFile::encodeName(edit).constData(), QFile::encodeName(file()).constData());
        };
        editArmed = true;
        EXPECT_TRUE(mine.flush());
        EXPECT_FALSE(editArmed) << "no write to make the edit in";
        for (const auto &[key, value] : c.expected)
            EXPECT_EQ(IniSettingsStore(root.path()).GetSetting(kApp, u"data"_s, key, u"<missing>"_s), value)
                << key.toStdString();
    }
}

TEST_F(SettingsLogTest, AnEntryNamingNoProgramIsRemovedForGood)
{
    const QString entry = root.path() + u"/autostart/horalux.desktop"_s;
    ASSERT_TRUE(writeBytes(entry, "[Desktop Entry]\nExec=\n"));
    FakeDesktop desktop;
    settings::AutostartEntry autostart(root.path(), desktop);
    folderSyncFails = true;
    const bool removed = autostart.setEnabled(false);
    folderSyncFails = false;
    EXPECT_TRUE(removed);
    EXPECT_FALSE(QFileInfo::exists(entry));
    EXPECT_TRUE(onlyMessage().contains(u"removed"_s)) << "the removal's folder is flushed";
}

} // namespace
