// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/event_pump.h"

#include <QTimer>

#include <memory>
#include <vector>

namespace platform {

class QtEventPump final : public EventPump {
public:
    QtEventPump();
    ~QtEventPump() override;

    void pumpEvents() override;

private:
    void waitForEvents(int maxMs) override;

    // One wake-up timer per nesting level: a wait inside another wait (a tick
    // inside the typing of a name) must not steal the outer one's deadline.
    // Kept between waits, since a roll waits some seventy times a second.
    std::vector<std::unique_ptr<QTimer>> m_wakeTimers;
    std::size_t m_depth = 0;
};

} // namespace platform
