// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/instance_lock_place.h"

#include <QDir>

namespace platform {

namespace {

// XDG base directories ignore relative paths in these variables.
QString absoluteOrEmpty(const QString &path)
{
    return QDir::isAbsolutePath(path) ? path : QString();
}

QString cacheHome(const QProcessEnvironment &environment)
{
    const QString configured = absoluteOrEmpty(environment.value(QStringLiteral("XDG_CACHE_HOME")));
    if (!configured.isEmpty())
        return configured;
    const QString home = absoluteOrEmpty(environment.value(QStringLiteral("HOME")));
    return home.isEmpty() ? QString() : home + QStringLiteral("/.cache");
}

} // namespace

posix::PrivateFolder instanceLockFolder(const QProcessEnvironment &environment, QString *problem)
{
    const QString runtime = absoluteOrEmpty(environment.value(QStringLiteral("XDG_RUNTIME_DIR")));
    if (!runtime.isEmpty()) {
        if (posix::PrivateFolder folder = posix::PrivateFolder::take(runtime); folder.isOpen())
            return folder;
    }
    const QString cache = cacheHome(environment);
    if (cache.isEmpty()) {
        if (problem)
            *problem = QStringLiteral("no runtime folder of our own and neither XDG_CACHE_HOME nor HOME set");
        return {};
    }
    return posix::PrivateFolder::open(QDir(cache).filePath(QStringLiteral("Horalux")), problem);
}

} // namespace platform
