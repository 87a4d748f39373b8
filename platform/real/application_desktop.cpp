#include "platform/real/application_desktop.h"

#include <QCoreApplication>

namespace platform {

QString ApplicationDesktop::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString ApplicationDesktop::programFile() const
{
    return QCoreApplication::applicationFilePath();
}

} // namespace platform
