// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace platform {

// A millisecond counter that wraps around at 2^32, like the tick counter the
// clock's waits were designed for. Only differences between two readings mean anything.
class TickCounter {
public:
    virtual ~TickCounter() = default;
    virtual quint32 tickCount() const = 0;
};

} // namespace platform
