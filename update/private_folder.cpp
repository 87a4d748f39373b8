// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/private_folder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(const char *what, const QString &path)
{
    return QString::fromLatin1(what) + QLatin1Char(' ') + path + QStringLiteral(": ")
        + QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

PrivateFolder privateCacheFolder(const QString &cacheRoot)
{
    if (cacheRoot.isEmpty())
        return {QString(), QStringLiteral("no cache folder (neither XDG_CACHE_HOME nor HOME is set)")};
    // The root is the user's own business; only our folder in it must be closed.
    if (!QDir().mkpath(cacheRoot))
        return {QString(), QStringLiteral("cannot make ") + cacheRoot};
    const QString path = QDir(cacheRoot).filePath(QStringLiteral("Horalux"));
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return {QString(), systemError("cannot make", path)};

    // Judge the folder through one descriptor, so it cannot be swapped between the looks.
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return {QString(), systemError("cannot open (a symbolic link?)", path)};
    struct stat info {};
    QString error;
    if (::fstat(fd, &info) != 0)
        error = systemError("cannot read", path);
    else if (info.st_uid != ::geteuid())
        error = path + QStringLiteral(" belongs to user ") + QString::number(info.st_uid);
    else if ((info.st_mode & 077) != 0 && ::fchmod(fd, 0700) != 0)
        error = systemError("cannot close to others", path);
    ::close(fd);
    if (!error.isEmpty())
        return {QString(), error};
    return {path, QString()};
}
