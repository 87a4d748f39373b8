#include "engine/clock_state.h"

#include <QLocale>

#include <optional>

#include <cmath>

namespace {

// Offsets are typed by people: accept the program's own dotted form first and
// the user's own decimal separator after it.
std::optional<double> parseOffset(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::system().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

int ZoneOffset::wholeHours() const
{
    if (!isText)
        return hours;
    const std::optional<double> value = parseOffset(text);
    if (!value)
        return 0;
    // A day's worth either way is the most any zone can be off; beyond that the
    // text is nonsense, not an offset.
    if (std::fabs(*value) > 24)
        return 0;
    return int(std::lround(*value));
}
