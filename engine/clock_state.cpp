// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/clock_state.h"

#include "engine/typed_number.h"

#include <cmath>

int ZoneOffset::wholeHours() const
{
    if (!isText)
        return hours;
    const std::optional<double> value = parseTypedNumber(text);
    if (!value)
        return 0;
    // A day's worth either way is the most any zone can be off; beyond that the
    // text is nonsense, not an offset.
    if (std::fabs(*value) > 24)
        return 0;
    return int(std::lround(*value));
}
