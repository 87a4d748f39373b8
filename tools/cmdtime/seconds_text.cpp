// SPDX-License-Identifier: GPL-3.0-or-later
#include "seconds_text.h"

#include <cstdio>

namespace cmdtime {

std::string formatOffset(std::chrono::nanoseconds offset)
{
    // Integer rounding: a double would misround halves such as 2.0005 s.
    const long long nanos = offset.count();
    const unsigned long long magnitude =
        nanos < 0 ? 0ULL - static_cast<unsigned long long>(nanos) : static_cast<unsigned long long>(nanos);
    const unsigned long long millis = (magnitude + 500'000) / 1'000'000;
    const char sign = (nanos < 0 && millis != 0) ? '-' : '+';
    char text[48];
    std::snprintf(text, sizeof text, "%c%llu.%03llu s", sign, millis / 1000, millis % 1000);
    return text;
}

std::string formatDuration(std::chrono::milliseconds duration)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g s", static_cast<double>(duration.count()) / 1000.0);
    return text;
}

} // namespace cmdtime
