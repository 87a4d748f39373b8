#include "engine/scan_delay.h"

#include "engine/typed_number.h"

#include <cmath>

namespace scan_delay {

int intervalMs(const QString &scanText)
{
    const std::optional<double> seconds = parseTypedNumber(scanText);
    if (!seconds)
        return DefaultSeconds * 1000;
    const double wholeSeconds = std::floor(*seconds);
    if (wholeSeconds < 1 || wholeSeconds * 1000 > LongestIntervalMs)
        return DefaultSeconds * 1000;
    return int(wholeSeconds) * 1000;
}

} // namespace scan_delay
