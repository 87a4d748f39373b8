// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore/settings_store.h"

#include "settingsstore/deferred_work.h"
#include "settingsstore/ini_format.h"

#include "nasty_texts.h"
#include "settings_test_files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "file_size_limit.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using settings::IniSettingsStore;
using settings_test::entriesOf;
using settings_test::readBytes;
using settings_test::writeBytes;

namespace {

const QString kApp = u"Horalux"_s;

class SettingsStoreTest : public ::testing::Test {
public:
    QString root() const { return m_root.path(); }
    QString folder() const { return root() + u"/Horalux"_s; }
    QString file() const { return folder() + u"/Horalux.ini"_s; }
    std::unique_ptr<IniSettingsStore> open() const { return std::make_unique<IniSettingsStore>(root()); }
    // What a freshly started program would read.
    QString freshRead(const QString &section, const QString &key, const QString &defaultValue = u"<missing>"_s) const
    {
        return open()->GetSetting(kApp, section, key, defaultValue);
    }

private:
    QTemporaryDir m_root;
};

ino_t inodeOf(const QString &path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_ino;
}

TEST_F(SettingsStoreTest, NamesMatchWithoutRegardToCase)
{
    auto store = open();
    store->SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);
    EXPECT_EQ(store->GetSetting(u"HORALUX"_s, u"Data"_s, u"SCAN"_s), u"30");

    store->SaveSetting(u"horalux"_s, u"Data"_s, u"Scan"_s, u"45"_s);

    EXPECT_EQ(store->GetSetting(kApp, u"data"_s, u"scan"_s), u"45");
    ASSERT_TRUE(store->flush());
    EXPECT_EQ(entriesOf(root()), QStringList {u"Horalux"_s});
    const QByteArray text = readBytes(file());
    EXPECT_EQ(text.count("[data]"), 1);
    EXPECT_TRUE(text.contains("\nscan=45\n")) << text.constData();
    EXPECT_FALSE(text.contains("[Data]") || text.contains("Scan"));
}

TEST_F(SettingsStoreTest, ExistingFolderAndFileAreFoundWithoutRegardToCase)
{
    const QString other = root() + u"/horalux/horalux.ini"_s;
    ASSERT_TRUE(writeBytes(other, "[DATA]\nScan=12\n"));

    auto store = open();
    EXPECT_EQ(store->GetSetting(kApp, u"data"_s, u"scan"_s), u"12");
    store->SaveSetting(kApp, u"data"_s, u"dst"_s, u"False"_s);
    ASSERT_TRUE(store->flush());

    EXPECT_EQ(entriesOf(root()), QStringList {u"horalux"_s});
    EXPECT_TRUE(readBytes(other).contains("\ndst=False\n"));
}

TEST_F(SettingsStoreTest, MissingKeySectionOrFileGivesTheDefault)
{
    auto store = open();
    EXPECT_EQ(store->GetSetting(kApp, u"data"_s, u"scan"_s, u"20"_s), u"20");
    EXPECT_TRUE(store->GetSetting(kApp, u"data"_s, u"tz1"_s).isEmpty());
    EXPECT_TRUE(entriesOf(root()).isEmpty()) << "reading must not create files";

    store->SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);

    EXPECT_EQ(store->GetSetting(kApp, u"data"_s, u"other"_s, u"d"_s), u"d");
    EXPECT_EQ(store->GetSetting(kApp, u"version"_s, u"scan"_s, u"d"_s), u"d");
    EXPECT_EQ(store->GetSetting(u"Elsewhere"_s, u"data"_s, u"scan"_s, u"d"_s), u"d");
}

TEST_F(SettingsStoreTest, SaveReplacesAndDeleteRemoves)
{
    auto store = open();
    store->SaveSetting(kApp, u"data"_s, u"tz1"_s, u"Paris"_s);
    store->SaveSetting(kApp, u"data"_s, u"diff1"_s, u"+1"_s);
    store->SaveSetting(kApp, u"data"_s, u"tz1"_s, u"Lima"_s);
    EXPECT_EQ(store->GetSetting(kApp, u"data"_s, u"tz1"_s), u"Lima");
    ASSERT_TRUE(store->flush());
    EXPECT_EQ(freshRead(u"data"_s, u"tz1"_s), u"Lima");
    EXPECT_EQ(QFileInfo(file()).permissions(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser)
        << "a new file is the user's alone";

    store->DeleteSetting(kApp, u"Data"_s, u"TZ1"_s);
    ASSERT_TRUE(store->flush());

    EXPECT_EQ(store->GetSetting(kApp, u"data"_s, u"tz1"_s, u"gone"_s), u"gone");
    EXPECT_EQ(freshRead(u"data"_s, u"tz1"_s), u"<missing>");
    EXPECT_EQ(freshRead(u"data"_s, u"diff1"_s), u"+1");
}

TEST_F(SettingsStoreTest, DeletingWhatIsMissingLeavesTheFileAsItWas)
{
    auto store = open();
    store->SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);
    ASSERT_TRUE(store->flush());
    const QByteArray before = readBytes(file());
    const ino_t inode = inodeOf(file());

    store->DeleteSetting(kApp, u"data"_s, u"tz1"_s);
    store->DeleteSetting(kApp, u"nosuchsection"_s, u"scan"_s);
    store->DeleteSetting(u"NoSuchApp"_s, u"data"_s, u"scan"_s);
    store->SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);
    EXPECT_TRUE(store->flush());

    EXPECT_EQ(readBytes(file()), before);
    EXPECT_EQ(inodeOf(file()), inode) << "the file was rewritten";
    EXPECT_EQ(entriesOf(root()), QStringList {u"Horalux"_s});
}

TEST_F(SettingsStoreTest, AnyKeyOrValueRoundTripsThroughTheFileAndTouchesNothingElse)
{
    auto store = open();
    store->SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);
    for (const QString &t : settings_test::nastyTexts()) {
        SCOPED_TRACE(t.toUtf8().toPercentEncoding().toStdString());
        store->SaveSetting(kApp, u"version"_s, t, u"1"_s);
        store->SaveSetting(kApp, u"data"_s, u"tz1"_s, t);
        ASSERT_TRUE(store->flush());

        EXPECT_EQ(freshRead(u"version"_s, t), u"1");
        EXPECT_EQ(freshRead(u"data"_s, u"tz1"_s), t);
        EXPECT_EQ(freshRead(u"data"_s, u"scan"_s), u"30");
    }
    const auto parsed = settings::parseIni(readBytes(file()));
    EXPECT_FALSE(parsed.hadDamagedLines);
    EXPECT_EQ(parsed.document.sections().size(), 2);
    EXPECT_EQ(parsed.document.sections().value(u"data"_s).entries.size(), 2);
}

TEST_F(SettingsStoreTest, AnotherStoreSeesEachFlushedSaveAtItsNextRead)
{
    auto first = open();
    auto second = open();
    EXPECT_EQ(second->GetSetting(kApp, u"data"_s, u"scan"_s, u"20"_s), u"20");

    first->SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);
    first->flush();
    EXPECT_EQ(second->GetSetting(kApp, u"data"_s, u"scan"_s), u"30");

    second->SaveSetting(kApp, u"data"_s, u"scan"_s, u"40"_s);
    second->flush();
    EXPECT_EQ(first->GetSetting(kApp, u"data"_s, u"scan"_s), u"40");

    first->DeleteSetting(kApp, u"data"_s, u"scan"_s);
    first->flush();
    EXPECT_EQ(second->GetSetting(kApp, u"data"_s, u"scan"_s, u"20"_s), u"20");
}

// A drag saves at every move: memory at once, the disk once the burst is over.
TEST_F(SettingsStoreTest, ABurstOfSavesReachesTheFileOnItsOwnInAFewWrites)
{
    auto store = open();
    store->SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);
    ASSERT_TRUE(store->flush());
    const int watch = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, QFile::encodeName(folder()).constData(), IN_MOVED_TO), 0);

    constexpr int kMoves = 200;
    for (int x = 1; x <= kMoves; ++x) {
        store->SaveSetting(kApp, u"data"_s, u"FormX"_s, QString::number(x));
        store->SaveSetting(kApp, u"data"_s, u"FormY"_s, QString::number(x));
        ASSERT_EQ(store->GetSetting(kApp, u"data"_s, u"FormX"_s), QString::number(x));
    }
    // No time limit is asserted, only that it comes without a flush.
    const QDateTime giveUp = QDateTime::currentDateTimeUtc().addSecs(20);
    while (freshRead(u"data"_s, u"FormY"_s) != QString::number(kMoves) && QDateTime::currentDateTimeUtc() < giveUp)
        ::usleep(10'000);

    EXPECT_EQ(freshRead(u"data"_s, u"FormX"_s), QString::number(kMoves));
    EXPECT_EQ(freshRead(u"data"_s, u"FormY"_s), QString::number(kMoves));
    alignas(inotify_event) char events[64 * 1024];
    const ssize_t bytes = ::read(watch, events, sizeof events);
    ::close(watch);
    int writes = 0;
    for (ssize_t at = 0; at < bytes;) {
        const auto *event = reinterpret_cast<const inotify_event *>(events + at);
        writes += qstrcmp(event->name, "Horalux.ini") == 0 ? 1 : 0;
        at += ssize_t(sizeof(inotify_event) + event->len);
    }
    EXPECT_GE(writes, 1);
    EXPECT_LT(writes, kMoves / 10) << "each save wrote the file";
}

// A long drag never goes quiet; the writer writes all the same. On the
// schedule's own time: the thread wakes when it says.
TEST(BurstScheduleTest, ASteadyStreamIsWrittenAtMost400MsAfterItsFirstUnwrittenSave)
{
    using namespace std::chrono_literals;
    using Clock = settings::BurstSchedule::Clock;
    settings::BurstSchedule schedule;
    std::optional<Clock::time_point> firstUnwritten;
    Clock::duration longestWait {};
    int writes = 0;
    const Clock::time_point start;
    for (Clock::time_point at = start; at <= start + 10s; at += 16ms) {
        if (const auto due = schedule.due(); due && *due <= at) {
            ASSERT_TRUE(schedule.take(*due));
            longestWait = std::max(longestWait, *due - *firstUnwritten);
            firstUnwritten.reset();
            ++writes;
        }
        schedule.request(at);
        if (!firstUnwritten)
            firstUnwritten = at;
    }
    ASSERT_TRUE(schedule.due());
    EXPECT_LE(std::max(longestWait, *schedule.due() - *firstUnwritten), Clock::duration(400ms));
    EXPECT_GE(writes, 20);
}

TEST_F(SettingsStoreTest, HandEditsAreSeenAtTheNextReadWithoutAnEventLoop)
{
    struct Edit {
        const char *name;
        std::function<void(const SettingsStoreTest &)> apply;
        QString expectedScan;
    };
    const QList<Edit> edits = {
        {"rewritten in place, same size and time",
         [](const SettingsStoreTest &t) {
             // As it looks within one tick of the file system's clock.
             const QByteArray path = QFile::encodeName(t.file());
             struct stat before {};
             ::stat(path.constData(), &before);
             writeBytes(t.file(), readBytes(t.file()).replace("scan=30", "scan=31"));
             const timespec times[2] = {before.st_atim, before.st_mtim};
             ::utimensat(AT_FDCWD, path.constData(), times, 0);
         },
         u"31"_s},
        {"replaced by rename",
         [](const SettingsStoreTest &t) {
             writeBytes(t.folder() + u"/edit.tmp"_s, "[data]\nscan=32\n");
             ::rename(QFile::encodeName(t.folder() + u"/edit.tmp"_s).constData(),
                      QFile::encodeName(t.file()).constData());
         },
         u"32"_s},
        {"line appended",
         [](const SettingsStoreTest &t) {
             QFile f(t.file());
             f.open(QIODevice::Append);
             f.write("scan=33\n");
         },
         u"33"_s},
        {"file deleted", [](const SettingsStoreTest &t) { QFile::remove(t.file()); }, u"20"_s},
        {"file written anew", [](const SettingsStoreTest &t) { writeBytes(t.file(), "[Data]\nSCAN=34"); }, u"34"_s},
        {"folder deleted", [](const SettingsStoreTest &t) { QDir(t.folder()).removeRecursively(); }, u"20"_s},
        {"folder made again", [](const SettingsStoreTest &t) { writeBytes(t.file(), "[data]\nscan=35\n"); }, u"35"_s},
    };
    auto store = open();
    store->SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);
    ASSERT_TRUE(store->flush());
    for (const Edit &edit : edits) {
        SCOPED_TRACE(edit.name);
        edit.apply(*this);
        EXPECT_EQ(store->GetSetting(kApp, u"data"_s, u"scan"_s, u"20"_s), edit.expectedScan);
    }
    // A save after the edits keeps what the hand put there.
    store->SaveSetting(kApp, u"data"_s, u"dst"_s, u"False"_s);
    ASSERT_TRUE(store->flush());
    EXPECT_EQ(freshRead(u"data"_s, u"scan"_s), u"35");
}

TEST_F(SettingsStoreTest, DamagedFilesGiveDefaultsForWhatCannotBeRead)
{
    struct Case {
        const char *name;
        QByteArray content;
        QString expectedScan;
    };
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919 + 13) % 256);
    const QList<Case> cases = {
        {"empty file", "", u"20"_s},
        {"binary garbage", garbage, u"20"_s},
        {"garbage around a good line", garbage + "\n[data]\nscan=30\n" + garbage, u"30"_s},
        {"last line cut short", "[data]\ntz1=x\nscan=30", u"30"_s},
        {"duplicates, last wins", "[data]\nscan=1\n[DATA]\nSCAN=2\nScan=30\n", u"30"_s},
        {"half a UTF-8 sequence in the value", "[data]\nscan=3\xc3\n", u"20"_s},
        {"broken header hides its keys", "[data]\nscan=30\n[version\nscan=1\n", u"30"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(writeBytes(file(), c.content));
        EXPECT_EQ(freshRead(u"data"_s, u"scan"_s, u"20"_s), c.expectedScan);
    }
    ASSERT_TRUE(writeBytes(file(), "[data]\nk=a=b\nn=line\\nnext\n"));
    EXPECT_EQ(freshRead(u"data"_s, u"k"_s), u"a=b");
    EXPECT_EQ(freshRead(u"data"_s, u"n"_s), u"line\nnext");
}

TEST_F(SettingsStoreTest, DamagedFileIsKeptAsideBeforeTheNextSaveRewritesIt)
{
    const QByteArray damaged = "[data]\nscan=30\n\xff\xfe junk=1\ntz1=Paris\n";
    ASSERT_TRUE(writeBytes(file(), damaged));
    auto store = open();
    EXPECT_EQ(store->GetSetting(kApp, u"data"_s, u"tz1"_s), u"Paris");
    EXPECT_FALSE(QFileInfo::exists(file() + u".bad"_s)) << "reading alone keeps the file as it is";

    store->SaveSetting(kApp, u"data"_s, u"dst"_s, u"False"_s);
    ASSERT_TRUE(store->flush());

    EXPECT_EQ(readBytes(file() + u".bad"_s), damaged);
    const auto rewritten = settings::parseIni(readBytes(file()));
    EXPECT_FALSE(rewritten.hadDamagedLines);
    EXPECT_EQ(freshRead(u"data"_s, u"scan"_s), u"30");
    EXPECT_EQ(freshRead(u"data"_s, u"tz1"_s), u"Paris");
    EXPECT_EQ(freshRead(u"data"_s, u"dst"_s), u"False");

    // A later damage replaces the copy; clean saves leave it alone.
    const QByteArray damagedAgain = "[data]\nscan=40\n\x01\n";
    ASSERT_TRUE(writeBytes(file(), damagedAgain));
    store->SaveSetting(kApp, u"data"_s, u"dst"_s, u"True"_s);
    ASSERT_TRUE(store->flush());
    store->SaveSetting(kApp, u"data"_s, u"graphic"_s, u"True"_s);
    ASSERT_TRUE(store->flush());
    EXPECT_EQ(readBytes(file() + u".bad"_s), damagedAgain);
    EXPECT_EQ(freshRead(u"data"_s, u"scan"_s), u"40");
}

TEST_F(SettingsStoreTest, HugeFilesAreReadInOnePassAndKeptWhole)
{
    // 10 MB of lines before the one that matters, and one 10 MB line.
    QByteArray manyLines = "[version]\n";
    for (int i = 0; manyLines.size() < 10 * 1024 * 1024; ++i)
        manyLines += "1.0." + QByteArray::number(i) + "=1\n";
    ASSERT_TRUE(writeBytes(file(), manyLines + "[data]\nscan=30\n"));
    EXPECT_EQ(freshRead(u"data"_s, u"scan"_s), u"30");
    EXPECT_EQ(freshRead(u"version"_s, u"1.0.12345"_s), u"1");

    ASSERT_TRUE(writeBytes(file(), "[data]\nscan=31\n" + QByteArray(10 * 1024 * 1024, 'x')));
    EXPECT_EQ(freshRead(u"data"_s, u"scan"_s), u"31");

    // Beyond the read limit: the start is used, the whole file kept aside.
    const QByteArray tooBig =
        "[data]\nscan=32\n[pad]\n" + QByteArray(IniSettingsStore::kMaxReadBytes, 'p') + "\nlast=1\n";
    ASSERT_TRUE(writeBytes(file(), tooBig));
    auto store = open();
    EXPECT_EQ(store->GetSetting(kApp, u"data"_s, u"scan"_s), u"32");
    EXPECT_EQ(store->GetSetting(kApp, u"pad"_s, u"last"_s, u"cut"_s), u"cut");
    store->SaveSetting(kApp, u"data"_s, u"dst"_s, u"False"_s);
    ASSERT_TRUE(store->flush());
    EXPECT_EQ(QFileInfo(file() + u".bad"_s).size(), tooBig.size());
    EXPECT_LT(QFileInfo(file()).size(), 1024);
}

// Turns the next file writes into failures for as long as it lives.
class WriteFailure {
public:
    virtual ~WriteFailure() = default;
};

class ReadOnlyFolder : public WriteFailure {
public:
    explicit ReadOnlyFolder(QString folder) : m_folder(std::move(folder))
    {
        ::chmod(QFile::encodeName(m_folder).constData(), 0500);
    }
    ~ReadOnlyFolder() override { ::chmod(QFile::encodeName(m_folder).constData(), 0700); }

private:
    QString m_folder;
};

class FileSizeFailure : public WriteFailure {
public:
    explicit FileSizeFailure(rlim_t bytes) : m_limit(bytes) {}

private:
    FileSizeLimit m_limit;
};

class FailedSaveTest : public SettingsStoreTest {
protected:
    // With `failure` in force a save is lost for the file, which stays whole
    // with nothing left beside it, but kept in memory, and flush says why;
    // once it is gone the next save writes everything.
    void expectFailedSaveIsToldAndRecoverable(const std::function<std::unique_ptr<WriteFailure>()> &makeFailure,
                                              const QString &cause)
    {
        auto store = open();
        store->SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);
        ASSERT_TRUE(store->flush());
        const QByteArray before = readBytes(file());
        const QStringList entriesBefore = entriesOf(folder());
        const QString big(500, u'z');
        {
            const auto failure = makeFailure();
            store->SaveSetting(kApp, u"data"_s, u"tz1"_s, big);
            QString problem;
            EXPECT_FALSE(store->flush(&problem));
            EXPECT_TRUE(problem.contains(file()) && problem.contains(cause)) << problem.toStdString();
            EXPECT_EQ(readBytes(file()), before);
            EXPECT_EQ(entriesOf(folder()), entriesBefore);
            EXPECT_EQ(store->GetSetting(kApp, u"data"_s, u"tz1"_s), big);
        }
        store->SaveSetting(kApp, u"data"_s, u"dst"_s, u"False"_s);
        QString problem = u"untouched"_s;
        EXPECT_TRUE(store->flush(&problem));
        EXPECT_TRUE(problem.isEmpty());
        EXPECT_EQ(freshRead(u"data"_s, u"tz1"_s), big);
        EXPECT_EQ(freshRead(u"data"_s, u"dst"_s), u"False");
        EXPECT_EQ(freshRead(u"data"_s, u"scan"_s), u"30");
    }
};

TEST_F(FailedSaveTest, ReadOnlyFolder)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into a read-only folder; DiskFull covers the failure";
    expectFailedSaveIsToldAndRecoverable([this] { return std::make_unique<ReadOnlyFolder>(folder()); },
                                         u"the folder may not be written to"_s);
}

TEST_F(FailedSaveTest, DiskFull)
{
    expectFailedSaveIsToldAndRecoverable([] { return std::make_unique<FileSizeFailure>(150); },
                                         u"larger than this program may write"_s);
}

TEST_F(SettingsStoreTest, SomethingInTheWayMakesSavesFailQuietly)
{
    struct Case {
        const char *name;
        std::function<void(const SettingsStoreTest &)> block;
    };
    const QList<Case> cases = {
        {"folder path is a file", [](const SettingsStoreTest &t) { writeBytes(t.folder(), "x"); }},
        {"file path is a folder", [](const SettingsStoreTest &t) { QDir().mkpath(t.file()); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(folder()).removeRecursively();
        QFile::remove(folder());
        c.block(*this);
        const QStringList rootBefore = entriesOf(root());
        const QStringList folderBefore = entriesOf(folder());

        auto store = open();
        store->SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);

        EXPECT_FALSE(store->flush());
        EXPECT_EQ(store->GetSetting(kApp, u"data"_s, u"scan"_s), u"30");
        EXPECT_EQ(freshRead(u"data"_s, u"scan"_s), u"<missing>");
        EXPECT_EQ(entriesOf(root()), rootBefore);
        EXPECT_EQ(entriesOf(folder()), folderBefore);
    }
}

TEST_F(SettingsStoreTest, LeftoversOfAnInterruptedSaveAreCleanedUpWhenOld)
{
    const QString stale = folder() + u"/.Horalux.ini.tmp-AbC123"_s;
    const QString recent = folder() + u"/.Horalux.ini.tmp-XyZ789"_s;
    ASSERT_TRUE(writeBytes(stale, "[data]\nsc"));
    ASSERT_TRUE(writeBytes(recent, "[data]\nsc"));
    QFile old(stale);
    ASSERT_TRUE(old.open(QIODevice::ReadWrite));
    ASSERT_TRUE(old.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600), QFileDevice::FileModificationTime));
    old.close();

    open()->GetSetting(kApp, u"data"_s, u"scan"_s);

    EXPECT_FALSE(QFileInfo::exists(stale));
    EXPECT_TRUE(QFileInfo::exists(recent)) << "may belong to a save under way";
}

// The child saves and dies by SIGKILL without any clean-up, right after a
// flush or a while after its saves; the file must hold the values and parse
// cleanly.
TEST_F(SettingsStoreTest, SaveSurvivesBeingKilledAfterFlushOrAMomentLater)
{
    for (int round = 1; round <= 4; ++round) {
        SCOPED_TRACE(round);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            IniSettingsStore store(root());
            store.SaveSetting(kApp, u"version"_s, u"1.0."_s + QString::number(round), u"1"_s);
            store.SaveSetting(kApp, u"data"_s, u"round"_s, QString::number(round));
            if (round % 2 == 1)
                store.flush();
            else
                ::sleep(2); // half a second is the promise; the rest is for a loaded machine
            ::raise(SIGKILL);
            ::_exit(1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        EXPECT_EQ(freshRead(u"data"_s, u"round"_s), QString::number(round));
        for (int earlier = 1; earlier <= round; ++earlier)
            EXPECT_EQ(freshRead(u"version"_s, u"1.0."_s + QString::number(earlier)), u"1");
        EXPECT_FALSE(settings::parseIni(readBytes(file())).hadDamagedLines);
    }
}

TEST_F(SettingsStoreTest, KilledInTheMiddleOfManySavesLeavesAWholeFile)
{
    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE(round);
        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipeFds[0]);
            IniSettingsStore store(root());
            for (int i = 1;; ++i) {
                store.SaveSetting(kApp, u"data"_s, u"count"_s, QString::number(i));
                store.SaveSetting(kApp, u"data"_s, u"pad"_s, QString(i % 700, u'é'));
                if (i == 50 && (!store.flush() || ::write(pipeFds[1], "x", 1) != 1))
                    ::_exit(1);
            }
        }
        ::close(pipeFds[1]);
        char ready = 0;
        ASSERT_EQ(::read(pipeFds[0], &ready, 1), 1);
        ::close(pipeFds[0]);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        const auto parsed = settings::parseIni(readBytes(file()));
        EXPECT_FALSE(parsed.hadDamagedLines);
        bool isNumber = false;
        EXPECT_GE(freshRead(u"data"_s, u"count"_s).toInt(&isNumber), 50);
        EXPECT_TRUE(isNumber);
    }
}

} // namespace
