// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/application_desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

QString ApplicationDesktop::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString ApplicationDesktop::programFile() const
{
    return QCoreApplication::applicationFilePath();
}

QString ApplicationDesktop::startCommand() const
{
    return startCommandFor(programFile());
}

QString startCommandFor(const QString &programFile)
{
    const QFileInfo program(programFile);
    QDir prefix = program.absoluteDir();
    const bool installedLayout = prefix.dirName() == QLatin1String("horalux") && prefix.cdUp()
        && (prefix.dirName() == QLatin1String("lib") || prefix.dirName() == QLatin1String("libexec")) && prefix.cdUp();
    if (installedLayout) {
        // The launcher's own path, not where a symlink leads: the launcher is
        // the command an installation keeps stable.
        const QFileInfo launcher(prefix.filePath(QStringLiteral("bin/horalux")));
        if (launcher.isFile() && launcher.isExecutable())
            return QDir::cleanPath(launcher.absoluteFilePath());
    }
    return QDir::cleanPath(program.absoluteFilePath());
}

} // namespace platform
