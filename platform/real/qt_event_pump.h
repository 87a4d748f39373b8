#pragma once

#include "platform/event_pump.h"

namespace platform {

class QtEventPump final : public EventPump {
public:
    void pumpEvents() override;
    void waitForEvents(int maxMs) override;
};

} // namespace platform
