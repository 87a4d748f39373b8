// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/qt_processes.h"

#include "platform/desktop_log.h"
#include "platform/real/activation_socket.h"
#include "platform/real/instance_lock_place.h"

#include "posix/file_descriptor.h"
#include "posix/private_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {

enum class Claim { Taken, HeldByAnother, Failed };

// Opens the lock file in the folder `folder` is open on, never through a
// link, and locks it; `lock` keeps it open while the claim lasts.
Claim claim(int folder, const QByteArray &fileName, posix::FileDescriptor &lock)
{
    lock.reset(::openat(folder, fileName.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!lock.valid())
        return Claim::Failed;
    if (::flock(lock.get(), LOCK_EX | LOCK_NB) == 0)
        return Claim::Taken;
    const bool held = errno == EWOULDBLOCK;
    lock.reset();
    return held ? Claim::HeldByAnother : Claim::Failed;
}

} // namespace

QtProcesses::QtProcesses(QString lockFilePath, QByteArray launchToken)
    : m_lockFilePath(std::move(lockFilePath)),
      m_launchToken(std::move(launchToken))
{
}

QByteArray QtProcesses::launchToken()
{
    const QByteArray wayland = qgetenv("XDG_ACTIVATION_TOKEN");
    return wayland.isEmpty() ? qgetenv("DESKTOP_STARTUP_ID") : wayland;
}

QtProcesses::~QtProcesses()
{
    m_activationNotifier.reset();
    m_knocks.clear();
    if (m_instanceLock >= 0)
        ::close(m_instanceLock);
}

bool QtProcesses::previousInstanceRunning()
{
    if (m_instanceLock >= 0)
        return false;
    posix::PrivateFolder place;
    posix::FileDescriptor given;
    int folder = -1;
    QByteArray fileName;
    QString where;
    if (m_lockFilePath.isEmpty()) {
        QString problem;
        place = instanceLockFolder(QProcessEnvironment::systemEnvironment(), &problem);
        if (!place.isOpen()) {
            // Better two clocks than none: a folder someone else controls
            // must not be able to keep ours from starting.
            qCWarning(lcDesktop) << "no private folder for the single-instance lock:" << problem;
            return false;
        }
        fileName = kInstanceLockFileName;
        where = QDir(place.path()).filePath(QString::fromLatin1(kInstanceLockFileName));
        folder = place.descriptor();
    } else {
        const QFileInfo info(m_lockFilePath);
        fileName = QFile::encodeName(info.fileName());
        where = m_lockFilePath;
        given.reset(::open(QFile::encodeName(info.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        folder = given.get();
    }
    posix::FileDescriptor lock;
    const Claim result = folder >= 0 ? claim(folder, fileName, lock) : Claim::Failed;
    if (result == Claim::Failed) {
        // Only another live instance keeps us out; a lock we cannot even
        // make must not stop the clock from starting.
        const QString why = qt_error_string(errno);
        qCWarning(lcDesktop).noquote() << "cannot make the single-instance lock" << where << "(" + why + ")"
                                       << "so a second clock is not kept out";
        return false;
    }
    if (result == Claim::HeldByAnother) {
        QString problem;
        if (!requestActivation(folder, m_launchToken, &problem)) {
            qCWarning(lcDesktop).noquote() << "cannot ask the running clock to come to the front:" << problem;
            return true;
        }
        // Whoever started it from a terminal learns why no second clock came;
        // flushed at once, as the process ends without unloading.
        const QString told = QCoreApplication::translate("QtProcesses",
                                                         "Horalux is already running: the running clock was brought "
                                                         "to the front.");
        std::fputs(qPrintable(told + u'\n'), stdout);
        std::fflush(stdout);
        return true;
    }
    m_instanceLock = lock.release();
    listenForLaterStarts(folder);
    return false;
}

void QtProcesses::listenForLaterStarts(int folder)
{
    QString problem;
    if (!listenForActivation(folder, m_activationListener, &problem)) {
        qCWarning(lcDesktop).noquote() << "a later start cannot bring the clock to the front:" << problem;
        return;
    }
    m_activationNotifier = std::make_unique<QSocketNotifier>(m_activationListener.get(), QSocketNotifier::Read);
    QObject::connect(m_activationNotifier.get(), &QSocketNotifier::activated, m_activationNotifier.get(), [this] {
        for (const int connection : takeActivationRequests(m_activationListener.get())) {
            // A knocker that never closes must not pile up descriptors.
            if (m_knocks.size() >= 8)
                m_knocks.pop_front();
            const auto knock = m_knocks.emplace(m_knocks.end());
            knock->connection.reset(connection);
            knock->notifier = std::make_unique<QSocketNotifier>(connection, QSocketNotifier::Read);
            QObject::connect(knock->notifier.get(), &QSocketNotifier::activated, knock->notifier.get(),
                             [this, knock] { readKnock(knock); });
        }
    });
}

void QtProcesses::readKnock(std::list<Knock>::iterator knock)
{
    if (!readActivationToken(knock->connection.get(), knock->token))
        return;
    const QByteArray token = knock->token;
    // Deleted once its own signal has returned.
    knock->notifier->setEnabled(false);
    knock->notifier.release()->deleteLater();
    m_knocks.erase(knock);
    if (m_onActivationRequest)
        m_onActivationRequest(token);
}

void QtProcesses::onActivationRequest(std::function<void(const QByteArray &token)> handler)
{
    m_onActivationRequest = std::move(handler);
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
