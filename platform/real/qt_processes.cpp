// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/qt_processes.h"

#include "platform/desktop_log.h"
#include "platform/real/instance_lock_place.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <cstdlib>

namespace platform {

QtProcesses::QtProcesses(QString lockFilePath) : m_lockFilePath(std::move(lockFilePath))
{
}

QtProcesses::~QtProcesses() = default;

bool QtProcesses::previousInstanceRunning()
{
    if (m_instanceLock)
        return false;
    if (m_lockFilePath.isEmpty()) {
        QString problem;
        m_lockFilePath = instanceLockPath(QProcessEnvironment::systemEnvironment(), &problem);
        if (m_lockFilePath.isEmpty()) {
            // Better two clocks than none: a folder someone else controls
            // must not be able to keep ours from starting.
            qCWarning(lcDesktop) << "no private folder for the single-instance lock:" << problem;
            return false;
        }
    }
    auto lock = std::make_unique<QLockFile>(m_lockFilePath);
    // Never stale by age: a running clock holds it for days. A lock left by a
    // crashed instance is still taken over, because its process is gone.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        // Only another live instance keeps us out; a lock we cannot even
        // create must not stop the clock from starting.
        if (lock->error() == QLockFile::LockFailedError)
            return true;
        qCWarning(lcDesktop).noquote() << "cannot make the single-instance lock" << m_lockFilePath
                                       << (lock->error() == QLockFile::PermissionError ? "(permission denied)"
                                                                                       : "(its folder is unusable)")
                                       << "so a second clock is not kept out";
        return false;
    }
    m_instanceLock = std::move(lock);
    return false;
}

bool QtProcesses::start(const QString &program, const QStringList &arguments, Show show)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (show == Show::MinimisedWithoutFocus) {
        // A background tool has no window here; keep its output off the user's terminal.
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
    }
    if (process.startDetached()) {
        m_startError.clear();
        return true;
    }
    m_startError = process.errorString();
    return false;
}

void QtProcesses::endNow(int exitCode)
{
    // At once, as asked: no unloading, no destructors. Callers flush the
    // settings store first, so every setting is on disk.
    std::_Exit(exitCode);
}

} // namespace platform
