#include "platform/real/qt_event_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace platform {

void QtEventPump::pumpEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::waitForEvents(int maxMs)
{
    if (maxMs <= 0) {
        pumpEvents();
        return;
    }
    // The single-shot timer only exists to wake the blocking wait at the
    // deadline; any earlier event wakes it too.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(maxMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace platform
