// SPDX-License-Identifier: GPL-3.0-or-later
// Power cuts while the settings are saved: an ext4 of our own is shut down
// without writing its log, at random moments of a drag-like run of saves,
// while another process fsyncs a file beside them (as browsers and editors
// do all day, each time committing the log). After every cut the file must
// be one whole version: never empty, no key missing, no keys of two versions,
// and no older than the last flush.
//
// HORALUX_POWER_CUTS=N runs N cuts instead of 20; HORALUX_POWER_CUT_FLUSH_EVERY=K
// flushes every Kth save instead of every 97th; HORALUX_POWER_CUT_AT=rename
// cuts right after the rename of a flush, before its folder is flushed, where a
// flush that calls that save confirmed would lose it.
#include "loop_disk.h"

#include "settingsstore/ini_format.h"
#include "settingsstore/settings_store.h"

#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <functional>
#include <iostream>
#include <random>
#include <vector>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kApp = u"Horalux"_s;
constexpr quint32 kKeys = 40; // about what the clock keeps
constexpr quint32 kFlushed = 0x8000'0000u;

// Save n puts its number into key n mod kKeys, so the version after save M
// holds in key i the last n <= M with n = i (mod kKeys). Lengths vary, so
// that versions differ in size too.
QString keyOf(quint32 number)
{
    return u"key%1"_s.arg(number % kKeys);
}

QString valueOf(quint32 number)
{
    return QString::number(number) + u':' + QString(int(number * 7 % 90), u'x');
}

// The thread whose next rename stops for the cut, telling the cutter through
// `renamedFd` and going on once `cutFd` says the disk is gone.
std::atomic<pid_t> cutAfterRenameOn {0};
int renamedFd = -1;
int cutFd = -1;

} // namespace

// Stands in for libc's rename in this program, for the saving child's
// flushes.
extern "C" int rename(const char *from, const char *to)
{
    const int result = int(::syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
    const int cause = errno;
    if (result == 0 && cutAfterRenameOn != 0 && cutAfterRenameOn == pid_t(::syscall(SYS_gettid))) {
        cutAfterRenameOn = 0;
        char byte = 'r';
        if (::write(renamedFd, &byte, 1) != 1 || ::read(cutFd, &byte, 1) != 1)
            ::_exit(4);
    }
    errno = cause;
    return result;
}

namespace {

struct SaverPlan {
    quint32 flushEvery = 97;
    // With a cut after a rename: the flush of this save is the last.
    quint32 lastSave = 0;
};

[[noreturn]] void saveUntilKilled(const QString &root, quint32 first, int reportFd, const SaverPlan &plan)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // Once the disk is gone every write fails; that is expected here.
    QLoggingCategory::setFilterRules(u"horalux.settings=false"_s);
    settings::IniSettingsStore store(root);
    for (quint32 number = first;; ++number) {
        store.SaveSetting(kApp, u"data"_s, keyOf(number), valueOf(number));
        quint32 report = number;
        const bool last = plan.lastSave != 0 && number == plan.lastSave;
        if (last)
            cutAfterRenameOn = pid_t(::syscall(SYS_gettid));
        // Now and then the user presses Apply; once the disk is gone it fails.
        if ((number % plan.flushEvery == 0 || number + 1 == kKeys || last) && store.flush())
            report |= kFlushed;
        if (::write(reportFd, &report, sizeof report) != sizeof report)
            ::_exit(3);
        if ((number + 1 == kKeys && first == 0) || last)
            ::_exit(0); // the first version, whole on disk; or the flush the cut came in
        // A drag: a move every few milliseconds, a rest now and then.
        ::usleep(number % 30 == 0 ? 150'000 : 3'000);
    }
}

[[noreturn]] void fsyncUntilKilled(const QString &path)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    const std::vector<char> block(4096, 'n');
    for (off_t at = 0; fd >= 0; at = (at + 4096) % (1 << 20)) {
        if (::pwrite(fd, block.data(), block.size(), at) < 0 || ::fsync(fd) != 0)
            ::usleep(1'000);
        ::usleep(2'000);
    }
    ::_exit(1);
}

pid_t start(const std::function<void()> &child)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        child();
        ::_exit(1);
    }
    return pid;
}

void end(pid_t pid)
{
    ::kill(pid, SIGKILL);
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {}
}

std::vector<quint32> readReports(int fd)
{
    std::vector<quint32> reports;
    quint32 report;
    for (ssize_t n; (n = ::read(fd, &report, sizeof report)) != 0;) {
        if (n == sizeof report)
            reports.push_back(report);
        else if (!(n < 0 && errno == EINTR))
            break;
    }
    return reports;
}

struct Figures {
    int cuts = 0;
    int emptyOrMissing = 0;
    int damaged = 0; // unreadable lines, keys missing, keys of two versions
    int olderThanFlush = 0;
    int newerThanFlush = 0; // written by the store's thread, not a flush
    quint64 saves = 0;
    QStringList problems;
};

// The number of the version the file holds, or 0 with the fault counted.
quint32 judge(const QByteArray &bytes, quint32 lastFlushed, Figures &figures)
{
    const auto fault = [&](int &count, const QString &what) {
        ++count;
        figures.problems << u"cut %1: "_s.arg(figures.cuts) + what;
        return 0u;
    };
    if (bytes.isEmpty())
        return fault(figures.emptyOrMissing, u"the file is empty or gone"_s);
    const settings::ParsedIni parsed = settings::parseIni(bytes);
    if (parsed.hadDamagedLines)
        return fault(figures.damaged, u"unreadable lines"_s);
    quint32 newest = 0;
    for (quint32 key = 0; key < kKeys; ++key) {
        const QString *value = parsed.document.find(u"data"_s, keyOf(key));
        if (!value)
            return fault(figures.damaged, keyOf(key) + u" is missing"_s);
        newest = std::max(newest, value->section(u':', 0, 0).toUInt());
    }
    for (quint32 key = 0; key < kKeys; ++key) {
        const quint32 expected = newest - (newest + kKeys - key) % kKeys;
        if (*parsed.document.find(u"data"_s, keyOf(key)) != valueOf(expected))
            return fault(figures.damaged, u"%1 is not of version %2"_s.arg(keyOf(key)).arg(newest));
    }
    if (newest < lastFlushed)
        return fault(figures.olderThanFlush,
                     u"version %1 is older than the flush of %2"_s.arg(newest).arg(lastFlushed));
    if (newest > lastFlushed)
        ++figures.newerThanFlush;
    return newest;
}

TEST(SettingsPowerCut, TheFileIsAlwaysOneWholeVersionNoOlderThanTheLastFlush)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    faults::LoopDisk disk(folder.path(), 64);
    if (!disk.failure().isEmpty())
        GTEST_SKIP() << "no ext4 of our own to cut: " << disk.failure().toStdString();
    const QString root = disk.mountPoint() + u"/config"_s;
    const QString file = root + u"/Horalux/Horalux.ini"_s;

    const int cuts = qEnvironmentVariableIntValue("HORALUX_POWER_CUTS") > 0
        ? qEnvironmentVariableIntValue("HORALUX_POWER_CUTS")
        : 20;
    const bool afterRename = qEnvironmentVariable("HORALUX_POWER_CUT_AT") == u"rename";
    SaverPlan plan;
    if (qEnvironmentVariableIntValue("HORALUX_POWER_CUT_FLUSH_EVERY") > 0)
        plan.flushEvery = quint32(qEnvironmentVariableIntValue("HORALUX_POWER_CUT_FLUSH_EVERY"));
    const quint64 seed = 20261208;
    std::mt19937_64 random(seed);
    Figures figures;
    quint32 version = 0;
    quint32 lastFlushed = 0;
    bool haveVersion = false;
    while (figures.cuts < cuts) {
        int fds[2];
        int renamed[2];
        int cutDone[2];
        ASSERT_EQ(::pipe2(fds, O_CLOEXEC), 0);
        ASSERT_EQ(::pipe2(renamed, O_CLOEXEC), 0);
        ASSERT_EQ(::pipe2(cutDone, O_CLOEXEC), 0);
        const quint32 first = haveVersion ? version + 1 : 0;
        SaverPlan saverPlan = plan;
        if (afterRename && haveVersion)
            saverPlan.lastSave = first + quint32(std::uniform_int_distribution<int>(5, 150)(random));
        const pid_t saver = start([&] {
            ::close(fds[0]);
            renamedFd = renamed[1];
            cutFd = cutDone[0];
            saveUntilKilled(root, first, fds[1], saverPlan);
        });
        ::close(fds[1]);
        ::close(renamed[1]);
        ::close(cutDone[0]);
        if (!haveVersion) {
            // A first whole version (again, after a cut spoilt the file).
            int status = 0;
            ::waitpid(saver, &status, 0);
            readReports(fds[0]);
            ::close(fds[0]);
            ::close(renamed[0]);
            ::close(cutDone[1]);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            version = lastFlushed = kKeys - 1;
            haveVersion = true;
            continue;
        }
        const pid_t neighbour = start([&] { fsyncUntilKilled(disk.mountPoint() + u"/neighbour"_s); });
        char byte = 0;
        if (afterRename) {
            // The saver's end, without a rename, cuts all the same.
            while (::read(renamed[0], &byte, 1) < 0 && errno == EINTR) {}
        } else {
            ::usleep(useconds_t(std::uniform_int_distribution<int>(100'000, 700'000)(random)));
        }
        const QString why = disk.cut();
        if (afterRename && byte != 0) {
            // The flush goes on after the cut and tells what it made of it.
            [[maybe_unused]] const ssize_t told = ::write(cutDone[1], &byte, 1);
        }
        ::close(renamed[0]);
        ::close(cutDone[1]);
        if (afterRename)
            while (::waitpid(saver, nullptr, 0) < 0 && errno == EINTR) {}
        else
            end(saver);
        end(neighbour);
        const std::vector<quint32> reports = readReports(fds[0]);
        ::close(fds[0]);
        if (!why.isEmpty())
            GTEST_SKIP() << "the file system cannot be shut down: " << why.toStdString();
        ASSERT_TRUE(disk.remount()) << disk.failure().toStdString();
        ++figures.cuts;
        figures.saves += reports.size();
        for (const quint32 report : reports) {
            if (report & kFlushed)
                lastFlushed = report & ~kFlushed;
        }
        QFile written(file);
        const QByteArray bytes = written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
        version = lastFlushed = judge(bytes, lastFlushed, figures);
        haveVersion = version > 0;
    }

    std::cout << "seed " << seed << ": " << figures.cuts << " cuts during " << figures.saves << " saves; "
              << figures.emptyOrMissing << " left the file empty or gone, " << figures.damaged << " damaged, "
              << figures.olderThanFlush << " older than the last flush; " << figures.newerThanFlush
              << " found a write of the store's thread after the flush\n";
    EXPECT_TRUE(figures.problems.isEmpty()) << figures.problems.join(u'\n').toStdString();
    EXPECT_EQ(figures.emptyOrMissing, 0);
    EXPECT_EQ(figures.damaged, 0);
    EXPECT_EQ(figures.olderThanFlush, 0);
}

} // namespace
