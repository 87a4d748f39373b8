// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/qt_event_pump.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace platform {

QtEventPump::QtEventPump() = default;
QtEventPump::~QtEventPump() = default;

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
    if (m_depth == m_wakeTimers.size()) {
        auto timer = std::make_unique<QTimer>();
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        m_wakeTimers.push_back(std::move(timer));
    }
    // The timer only wakes the blocking wait at the deadline; any earlier
    // event wakes it too.
    QTimer &wake = *m_wakeTimers[m_depth];
    ++m_depth;
    wake.start(maxMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wake.stop();
    --m_depth;
}

} // namespace platform
