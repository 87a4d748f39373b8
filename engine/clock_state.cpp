// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/clock_state.h"

#include "engine/exact_zone_time.h"

int ZoneOffset::fixedSeconds() const
{
    if (!isText)
        return hours * 3600;
    return exact_zone_time::customOffsetSeconds(text).value_or(0);
}
