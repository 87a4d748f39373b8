// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock_setter.h"

#include <cerrno>
#include <cstring>
#include <ctime>

namespace cmdtime {

ClockStep stepSystemClock(std::chrono::nanoseconds offset)
{
    constexpr long nanosPerSecond = 1'000'000'000;
    std::timespec now {};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0)
        return {false, std::string("cannot read the system clock: ") + std::strerror(errno)};

    const auto whole = std::chrono::duration_cast<std::chrono::seconds>(offset);
    std::timespec target = now;
    target.tv_sec += static_cast<std::time_t>(whole.count());
    target.tv_nsec += static_cast<long>((offset - whole).count());
    if (target.tv_nsec >= nanosPerSecond) {
        target.tv_nsec -= nanosPerSecond;
        ++target.tv_sec;
    } else if (target.tv_nsec < 0) {
        target.tv_nsec += nanosPerSecond;
        --target.tv_sec;
    }

    if (::clock_settime(CLOCK_REALTIME, &target) != 0) {
        if (errno == EPERM)
            return {false, "not allowed to set the system clock (needs root or CAP_SYS_TIME); clock unchanged"};
        return {false, std::string("cannot set the system clock: ") + std::strerror(errno)};
    }
    return {true, {}};
}

} // namespace cmdtime
