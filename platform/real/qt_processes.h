// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/processes.h"

#include <QLockFile>

#include <memory>

namespace platform {

class QtProcesses final : public Processes {
public:
    // lockFilePath: where the single-instance claim is kept; empty means a
    // private folder of this user's (see instance_lock_place.h).
    explicit QtProcesses(QString lockFilePath = QString());
    ~QtProcesses() override;

    bool start(const QString &program, const QStringList &arguments, Show show) override;
    QString startError() const override { return m_startError; }
    bool previousInstanceRunning() override;
    [[noreturn]] void endNow(int exitCode) override;

private:
    QString m_lockFilePath;
    std::unique_ptr<QLockFile> m_instanceLock;
    QString m_startError;
};

} // namespace platform
