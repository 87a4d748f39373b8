// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/processes.h"

#include "posix/file_descriptor.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <list>
#include <memory>

class QSocketNotifier;

namespace platform {

class QtProcesses final : public Processes {
public:
    // lockFilePath: where the single-instance claim is kept; empty means a
    // private folder of this user's (see instance_lock_place.h). The claim is
    // a flock on that file, held for the process's life: the kernel lets go
    // of it when the process ends, however it ends. Beside it, the holder
    // listens on a local socket (activation_socket.h) for later starts.
    // launchToken: this start's leave to take the focus, passed on to the
    // holder when it runs (launchToken()).
    explicit QtProcesses(QString lockFilePath = QString(), QByteArray launchToken = QByteArray());
    // What the launcher gave this process to come forward with; read before
    // QApplication starts, as Qt takes DESKTOP_STARTUP_ID for itself.
    static QByteArray launchToken();
    ~QtProcesses() override;

    bool start(const QString &program, const QStringList &arguments, Show show) override;
    QString startError() const override { return m_startError; }
    bool previousInstanceRunning() override;
    void onActivationRequest(std::function<void(const QByteArray &token)> handler) override;
    [[noreturn]] void endNow(int exitCode) override;

private:
    QString m_lockFilePath;
    QByteArray m_launchToken;
    int m_instanceLock = -1; // the locked file, open
    QString m_startError;
    posix::FileDescriptor m_activationListener;
    std::unique_ptr<QSocketNotifier> m_activationNotifier;
    std::function<void(const QByteArray &token)> m_onActivationRequest;
    // Knocks whose token is still on its way.
    struct Knock {
        posix::FileDescriptor connection;
        QByteArray token;
        std::unique_ptr<QSocketNotifier> notifier;
    };
    std::list<Knock> m_knocks;

    void listenForLaterStarts(int folder);
    void readKnock(std::list<Knock>::iterator knock);
};

} // namespace platform
