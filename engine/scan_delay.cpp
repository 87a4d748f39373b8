#include "engine/scan_delay.h"

#include "engine/typed_number.h"

#include <cmath>

namespace scan_delay {

int intervalMs(const QString &scanText)
{
    const std::optional<double> seconds = parseTypedNumber(scanText);
    if (!seconds || *seconds < MinSeconds || *seconds >= MaxSeconds + 1)
        return DefaultSeconds * 1000;
    return int(std::floor(*seconds)) * 1000;
}

} // namespace scan_delay
