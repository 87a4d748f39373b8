// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/exact_zone_time.h"

#include "engine/typed_number.h"
#include "engine/zone_log.h"

#include <QRegularExpression>
#include <QSet>
#include <QTimeZone>

#include <cmath>

namespace exact_zone_time {

std::optional<int> zoneOffsetSeconds(const char *ianaZone, const QDateTime &utc, bool daylightSaving)
{
    if (!ianaZone)
        return std::nullopt;
    // The zone on show changes every few seconds at most, the tick asks every
    // second: keep the last zone rather than look it up in the database again.
    static const char *cachedName = nullptr;
    static QTimeZone cachedZone;
    if (ianaZone != cachedName) {
        cachedZone = QTimeZone(QByteArray(ianaZone));
        cachedName = ianaZone;
    }
    const QTimeZone &zone = cachedZone;
    if (!zone.isValid())
        return std::nullopt;
    return daylightSaving ? zone.offsetFromUtc(utc) : zone.standardTimeOffset(utc);
}

std::optional<int> customZoneOffsetSeconds(const QString &zoneId, const QDateTime &utc, bool daylightSaving)
{
    // Looked up once per id, as the preset zones are.
    static QString cachedId;
    static QTimeZone cachedZone;
    if (zoneId != cachedId) {
        cachedZone = QTimeZone(zoneId.toUtf8());
        cachedId = zoneId;
    }
    if (!cachedZone.isValid()) {
        static QSet<QString> reported;
        if (!reported.contains(zoneId)) {
            reported.insert(zoneId);
            qCWarning(lcZones) << "Time zone" << zoneId << "is unknown here; its custom zone keeps its offset";
        }
        return std::nullopt;
    }
    return daylightSaving ? cachedZone.offsetFromUtc(utc) : cachedZone.standardTimeOffset(utc);
}

std::optional<int> customOffsetSeconds(const QString &text)
{
    constexpr int daySeconds = 24 * 3600;
    const QString trimmed = text.trimmed();

    static const QRegularExpression hoursAndMinutes(QStringLiteral("^([+-]?)(\\d{1,2}):(\\d{2})$"));
    if (const QRegularExpressionMatch m = hoursAndMinutes.match(trimmed); m.hasMatch()) {
        const int minutes = m.captured(3).toInt();
        if (minutes >= 60)
            return std::nullopt;
        const int seconds = m.captured(2).toInt() * 3600 + minutes * 60;
        if (seconds > daySeconds)
            return std::nullopt;
        return m.captured(1) == QLatin1String("-") ? -seconds : seconds;
    }

    const std::optional<double> hours = parseTypedNumber(trimmed);
    if (!hours || std::fabs(*hours) > 24)
        return std::nullopt;
    return int(std::lround(*hours * 60)) * 60;
}

QDateTime wallTime(const QDateTime &utc, int offsetSeconds)
{
    const QDateTime shifted = utc.toUTC().addSecs(offsetSeconds);
    return QDateTime(shifted.date(), shifted.time(), Qt::UTC);
}

} // namespace exact_zone_time
