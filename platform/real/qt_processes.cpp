#include "platform/real/qt_processes.h"

#include <QProcess>

#include <cstdlib>

namespace platform {

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
    return process.startDetached();
}

void QtProcesses::endNow(int exitCode)
{
    // At once, as asked: no unloading, no destructors. Every setting is already
    // on disk, since each save replaces the file before it returns.
    std::_Exit(exitCode);
}

} // namespace platform
