#include "engine/scan_delay.h"

#include <QLocale>

#include <cmath>

namespace scan_delay {

int intervalMs(const QString &scanText)
{
    const QString text = scanText.trimmed();
    bool ok = false;
    double seconds = QLocale::c().toDouble(text, &ok);
    if (!ok)
        seconds = QLocale::system().toDouble(text, &ok);
    if (!ok || !std::isfinite(seconds) || seconds < MinSeconds || seconds >= MaxSeconds + 1)
        return DefaultSeconds * 1000;
    return int(std::floor(seconds)) * 1000;
}

} // namespace scan_delay
