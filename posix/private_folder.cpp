// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/private_folder.h"

#include "platform/desktop_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace posix {

namespace {

constexpr mode_t privateMode = S_IRWXU;
constexpr mode_t othersMayWrite = S_IWGRP | S_IWOTH;
// A folder that keeps being replaced by an untrusted one is given up on.
constexpr int kAttempts = 3;

bool fail(QString *problem, const QString &why)
{
    if (problem)
        *problem = why;
    return false;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString modeText(mode_t mode)
{
    return QStringLiteral("%1").arg(mode & 07777, 4, 8, QLatin1Char('0'));
}

// Why a folder we hold open may not be trusted; empty when it may.
QString distrust(const struct stat &info)
{
    if (info.st_uid != ::geteuid())
        return QStringLiteral("it belongs to user %1").arg(info.st_uid);
    if ((info.st_mode & othersMayWrite) != 0)
        return QStringLiteral("others could write into it (mode %1)").arg(modeText(info.st_mode));
    return QString();
}

bool isPrivate(const struct stat &info, QString *problem)
{
    if (!S_ISDIR(info.st_mode))
        return fail(problem, QStringLiteral("not a folder"));
    if (info.st_uid != ::geteuid())
        return fail(problem, QStringLiteral("owned by user %1").arg(info.st_uid));
    if ((info.st_mode & 07777) != privateMode)
        return fail(problem, QStringLiteral("mode %1").arg(modeText(info.st_mode)));
    return true;
}

// Renames path to a new name beside it, never over anything already there.
bool moveAside(const QByteArray &path, QByteArray *aside)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        *aside = path + ".untrusted-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        if (::renameat2(AT_FDCWD, path.constData(), AT_FDCWD, aside->constData(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno == EINVAL) { // a file system without RENAME_NOREPLACE: the random name stands in for it
            struct stat there {};
            if (::lstat(aside->constData(), &there) != 0 && errno == ENOENT
                && ::rename(path.constData(), aside->constData()) == 0)
                return true;
        } else if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

} // namespace

bool isPrivateFolder(const QString &path, QString *problem)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return fail(problem, systemError());
    return isPrivate(info, problem);
}

PrivateFolder PrivateFolder::take(const QString &path, QString *problem)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        fail(problem, errno == ENOTDIR || errno == ELOOP ? QStringLiteral("not a folder (a link?)") : systemError());
        return {};
    }
    PrivateFolder folder(fd, path);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        fail(problem, systemError());
        return {};
    }
    if (!isPrivate(info, problem))
        return {};
    return folder;
}

PrivateFolder PrivateFolder::open(const QString &path, QString *problem)
{
    if (path.isEmpty()) {
        fail(problem, QStringLiteral("no folder named"));
        return {};
    }
    const QByteArray name = QFile::encodeName(path);
    const QString parent = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(parent)) {
        fail(problem, QStringLiteral("cannot create %1").arg(parent));
        return {};
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (::mkdir(name.constData(), privateMode) != 0 && errno != EEXIST) {
            fail(problem, path + QStringLiteral(": ") + systemError());
            return {};
        }
        // Judged through one descriptor, so what is judged is what is used.
        const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            const bool notFolder = errno == ENOTDIR || errno == ELOOP;
            fail(problem,
                 path + QStringLiteral(": ") + (notFolder ? QStringLiteral("not a folder (a link?)") : systemError()));
            return {};
        }
        struct stat info {};
        if (::fstat(fd, &info) != 0) {
            fail(problem, path + QStringLiteral(": ") + systemError());
            ::close(fd);
            return {};
        }
        const QString why = distrust(info);
        if (why.isEmpty()) {
            // No one else could have put anything in: closing it to readers is enough.
            if ((info.st_mode & 07777) != privateMode && ::fchmod(fd, privateMode) != 0) {
                fail(problem, path + QStringLiteral(": cannot close it to others: ") + systemError());
                ::close(fd);
                return {};
            }
            return PrivateFolder(fd, path);
        }
        ::close(fd);
        QByteArray aside;
        if (!moveAside(name, &aside)) {
            fail(problem,
                 path + QStringLiteral(": ") + why + QStringLiteral(", and it cannot be moved aside: ")
                     + systemError());
            return {};
        }
        qCWarning(platform::lcDesktop).noquote() << "not trusting" << path << "because" << why << "- moved aside to"
                                                 << QFile::decodeName(aside) << "and made afresh";
    }
    fail(problem, path + QStringLiteral(": replaced by an untrusted folder again and again"));
    return {};
}

PrivateFolder::~PrivateFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

PrivateFolder::PrivateFolder(PrivateFolder &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)),
      m_path(std::move(other.m_path))
{
}

PrivateFolder &PrivateFolder::operator=(PrivateFolder &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
    }
    return *this;
}

} // namespace posix
