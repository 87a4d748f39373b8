// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/processes.h"

#include <QString>

namespace platform {

class QtProcesses final : public Processes {
public:
    // lockFilePath: where the single-instance claim is kept; empty means a
    // private folder of this user's (see instance_lock_place.h). The claim is
    // a flock on that file, held for the process's life: the kernel lets go
    // of it when the process ends, however it ends.
    explicit QtProcesses(QString lockFilePath = QString());
    ~QtProcesses() override;

    bool start(const QString &program, const QStringList &arguments, Show show) override;
    QString startError() const override { return m_startError; }
    bool previousInstanceRunning() override;
    [[noreturn]] void endNow(int exitCode) override;

private:
    QString m_lockFilePath;
    int m_instanceLock = -1; // the locked file, open
    QString m_startError;
};

} // namespace platform
