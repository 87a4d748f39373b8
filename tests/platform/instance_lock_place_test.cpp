// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/instance_lock_place.h"
#include "platform/real/qt_processes.h"
#include "posix/private_folder.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>
#include <optional>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Owner {
    uid_t uid;
    mode_t mode;
};

std::optional<Owner> ownerOf(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return Owner {info.st_uid, info.st_mode & 07777};
}

// A folder that belongs to another user, as a stranger would leave it.
bool makeForeignFolder(const QString &path, mode_t mode)
{
    const passwd *nobody = ::getpwnam("nobody");
    const QByteArray name = QFile::encodeName(path);
    return nobody && QDir().mkpath(path) && ::chown(name.constData(), nobody->pw_uid, nobody->pw_gid) == 0
        && ::chmod(name.constData(), mode) == 0;
}

bool makeOwnFolder(const QString &path, mode_t mode)
{
    return QDir().mkpath(path) && ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

struct LockPlaceCase {
    const char *name;
    bool needsRoot; // makes folders of another user
    // Prepares the scene under root and fills in the environment.
    std::function<bool(const QString &root, QProcessEnvironment &environment)> scene;
    const char *expected;    // lock path below root; empty: no safe place
    const char *untouched;   // a folder below root whose owner and mode must stay
    bool movedAside = false; // and which is found moved aside, beside its old name
};

void PrintTo(const LockPlaceCase &c, std::ostream *os)
{
    *os << c.name;
}

class InstanceLockPlaceTest : public ::testing::TestWithParam<LockPlaceCase> {};

TEST_P(InstanceLockPlaceTest, OnlyAFolderOfTheUsersOwn)
{
    const LockPlaceCase &c = GetParam();
    if (c.needsRoot && ::geteuid() != 0)
        GTEST_SKIP() << "needs root to give a folder to another user";
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), root.filePath(QStringLiteral("cache")));
    ASSERT_TRUE(c.scene(root.path(), environment));
    const QString watched = *c.untouched ? root.filePath(QString::fromUtf8(c.untouched)) : QString();
    const std::optional<Owner> before = watched.isEmpty() ? std::nullopt : ownerOf(watched);

    QString problem;
    const posix::PrivateFolder folder = platform::instanceLockFolder(environment, &problem);
    const QString path = folder.isOpen()
        ? QDir(folder.path()).filePath(QString::fromLatin1(platform::kInstanceLockFileName))
        : QString();

    if (*c.expected) {
        EXPECT_EQ(path, root.filePath(QString::fromUtf8(c.expected))) << problem.toStdString();
        QString why;
        EXPECT_TRUE(posix::isPrivateFolder(folder.path(), &why)) << why.toStdString();
    } else {
        EXPECT_EQ(path, QString());
        EXPECT_FALSE(problem.isEmpty());
    }
    if (before) {
        QString now = watched;
        if (c.movedAside) {
            const QFileInfo info(watched);
            const QStringList aside =
                info.dir().entryList({info.fileName() + QStringLiteral(".untrusted-*")}, QDir::Dirs | QDir::Hidden);
            ASSERT_EQ(aside.size(), 1);
            now = info.dir().filePath(aside[0]);
        }
        const std::optional<Owner> after = ownerOf(now);
        ASSERT_TRUE(after.has_value());
        EXPECT_EQ(after->uid, before->uid);
        EXPECT_EQ(after->mode, before->mode);
    }
}

QString under(const QString &root, const char *relative)
{
    return QDir(root).filePath(QString::fromUtf8(relative));
}

bool withRuntime(QProcessEnvironment &environment, const QString &path)
{
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path);
    return true;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InstanceLockPlaceTest,
    ::testing::Values(LockPlaceCase {"OwnRuntimeFolder", false,
                                     [](const QString &root, QProcessEnvironment &environment) {
                                         return makeOwnFolder(under(root, "run"), 0700)
                                             && withRuntime(environment, under(root, "run"));
                                     },
                                     "run/horalux.lock", ""},
                      LockPlaceCase {"NoRuntimeFolder", false,
                                     [](const QString &, QProcessEnvironment &) { return true; },
                                     "cache/Horalux/horalux.lock", ""},
                      LockPlaceCase {"ForeignRuntimeFolder", true,
                                     [](const QString &root, QProcessEnvironment &environment) {
                                         return makeForeignFolder(under(root, "run"), 0700)
                                             && withRuntime(environment, under(root, "run"));
                                     },
                                     "cache/Horalux/horalux.lock", "run"},
                      LockPlaceCase {"RuntimeFolderOthersMayEnter", false,
                                     [](const QString &root, QProcessEnvironment &environment) {
                                         return makeOwnFolder(under(root, "run"), 0755)
                                             && withRuntime(environment, under(root, "run"));
                                     },
                                     "cache/Horalux/horalux.lock", "run"},
                      LockPlaceCase {"RuntimeFolderThroughALink", false,
                                     [](const QString &root, QProcessEnvironment &environment) {
                                         return makeOwnFolder(under(root, "real-run"), 0700)
                                             && QFile::link(under(root, "real-run"), under(root, "run"))
                                             && withRuntime(environment, under(root, "run"));
                                     },
                                     "cache/Horalux/horalux.lock", ""},
                      LockPlaceCase {"RelativeRuntimeFolder", false,
                                     [](const QString &, QProcessEnvironment &environment) {
                                         return withRuntime(environment, QStringLiteral("run"));
                                     },
                                     "cache/Horalux/horalux.lock", ""},
                      LockPlaceCase {"ForeignCacheFolder", true,
                                     [](const QString &root, QProcessEnvironment &) {
                                         return makeForeignFolder(under(root, "cache/Horalux"), 0700);
                                     },
                                     "cache/Horalux/horalux.lock", "cache/Horalux", true},
                      LockPlaceCase {"CacheFolderOthersCouldWriteInto", false,
                                     [](const QString &root, QProcessEnvironment &) {
                                         return makeOwnFolder(under(root, "cache/Horalux"), 0777);
                                     },
                                     "cache/Horalux/horalux.lock", "cache/Horalux", true},
                      LockPlaceCase {"CacheFolderTheGroupCouldWriteInto", false,
                                     [](const QString &root, QProcessEnvironment &) {
                                         return makeOwnFolder(under(root, "cache/Horalux"), 0770);
                                     },
                                     "cache/Horalux/horalux.lock", "cache/Horalux", true},
                      LockPlaceCase {"CacheFolderIsALink", false,
                                     [](const QString &root, QProcessEnvironment &) {
                                         return makeOwnFolder(under(root, "elsewhere"), 0700)
                                             && QDir().mkpath(under(root, "cache"))
                                             && QFile::link(under(root, "elsewhere"), under(root, "cache/Horalux"));
                                     },
                                     "", "elsewhere"},
                      LockPlaceCase {"CacheFolderOthersCouldRead", false,
                                     [](const QString &root, QProcessEnvironment &) {
                                         return makeOwnFolder(under(root, "cache/Horalux"), 0755);
                                     },
                                     "cache/Horalux/horalux.lock", ""},
                      LockPlaceCase {"CacheFolderIsAFile", false,
                                     [](const QString &root, QProcessEnvironment &) {
                                         QFile file(under(root, "cache/Horalux"));
                                         return QDir().mkpath(under(root, "cache")) && file.open(QIODevice::WriteOnly);
                                     },
                                     "", ""},
                      LockPlaceCase {"CacheHomeFromHome", false,
                                     [](const QString &root, QProcessEnvironment &environment) {
                                         environment.remove(QStringLiteral("XDG_CACHE_HOME"));
                                         environment.insert(QStringLiteral("HOME"), under(root, "home"));
                                         return true;
                                     },
                                     "home/.cache/Horalux/horalux.lock", ""},
                      LockPlaceCase {"NeitherCacheHomeNorHome", false,
                                     [](const QString &, QProcessEnvironment &environment) {
                                         environment.remove(QStringLiteral("XDG_CACHE_HOME"));
                                         return true;
                                     },
                                     "", ""}),
    [](const auto &info) { return std::string(info.param.name); });

// Sets an environment variable for one test and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const QByteArray &value)
        : m_name(name),
          m_had(qEnvironmentVariableIsSet(name)),
          m_old(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

// Another user got to the shared temporary folder first: a lock file and a
// runtime folder of the names a fallback there would use. The clock starts
// anyway, locks where only we can, and leaves the stranger's things alone.
TEST(InstanceLock, StrangersTemporaryFolderIsNeitherUsedNorABlock)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give files to another user";
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString tmp = under(root.path(), "tmp");
    ASSERT_TRUE(makeOwnFolder(tmp, 01777));
    const passwd *me = ::getpwuid(::geteuid());
    ASSERT_NE(me, nullptr);
    ASSERT_TRUE(
        makeForeignFolder(QDir(tmp).filePath(QStringLiteral("runtime-") + QString::fromLocal8Bit(me->pw_name)), 0700));
    {
        QFile planted(QDir(tmp).filePath(QStringLiteral("horalux.lock")));
        ASSERT_TRUE(planted.open(QIODevice::WriteOnly));
        planted.write("1\nhoralux\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    const passwd *nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    ASSERT_EQ(::chown(QFile::encodeName(QDir(tmp).filePath(QStringLiteral("horalux.lock"))).constData(), nobody->pw_uid,
                      nobody->pw_gid),
              0);
    const QStringList strangersThings = QDir(tmp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    ScopedVariable noRuntime("XDG_RUNTIME_DIR", QByteArray());
    ScopedVariable tmpdir("TMPDIR", QFile::encodeName(tmp));
    ScopedVariable cache("XDG_CACHE_HOME", QFile::encodeName(under(root.path(), "cache")));

    platform::QtProcesses first;
    EXPECT_FALSE(first.previousInstanceRunning());
    EXPECT_TRUE(QFile::exists(under(root.path(), "cache/Horalux/horalux.lock")));
    platform::QtProcesses second;
    EXPECT_TRUE(second.previousInstanceRunning()) << "the lock in the private folder still keeps a second clock out";
    EXPECT_EQ(QDir(tmp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), strangersThings);
}

} // namespace
