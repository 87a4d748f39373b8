// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/private_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr mode_t privateMode = S_IRWXU;
constexpr mode_t othersMayWrite = S_IWGRP | S_IWOTH;

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

// Checks what stands at path without following a link; asks for mode 0700
// exactly when exact, else only that no one else can write into it.
bool ownFolder(const QByteArray &path, bool exact, QString *problem)
{
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        return fail(problem, systemError());
    if (!S_ISDIR(info.st_mode))
        return fail(problem, QStringLiteral("not a folder"));
    if (info.st_uid != ::geteuid())
        return fail(problem, QStringLiteral("owned by user %1").arg(info.st_uid));
    const mode_t mode = info.st_mode & 07777;
    if (exact ? mode != privateMode : (mode & othersMayWrite) != 0)
        return fail(problem, QStringLiteral("mode %1").arg(mode, 4, 8, QLatin1Char('0')));
    return true;
}

} // namespace

bool isPrivateFolder(const QString &path, QString *problem)
{
    return ownFolder(QFile::encodeName(path), true, problem);
}

bool makePrivateFolder(const QString &path, QString *problem)
{
    const QByteArray name = QFile::encodeName(path);
    const QString parent = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(parent))
        return fail(problem, QStringLiteral("cannot create %1").arg(parent));
    if (::mkdir(name.constData(), privateMode) != 0 && errno != EEXIST)
        return fail(problem, systemError());
    if (!ownFolder(name, false, problem))
        return false;
    // A umask may have taken our own rights, or an older folder been readable
    // to others; no one else could have written into it, so it may be narrowed.
    if (::chmod(name.constData(), privateMode) != 0)
        return fail(problem, systemError());
    return isPrivateFolder(path, problem);
}

} // namespace platform
