#pragma once

#include "platform/processes.h"

namespace platform {

class QtProcesses final : public Processes {
public:
    bool start(const QString &program, const QStringList &arguments, Show show) override;
    [[noreturn]] void endNow(int exitCode) override;
};

} // namespace platform
