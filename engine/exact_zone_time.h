// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// The exact clock: a zone's time from the true UTC instant and the zone's own
// rules in the time-zone database, instead of one fixed offset and one shared
// daylight-saving rule.
namespace exact_zone_time {

// Seconds east of UTC for a database zone at an instant; with daylightSaving
// off, the zone's standard offset. Nothing when the zone is unknown here.
std::optional<int> zoneOffsetSeconds(const char *ianaZone, const QDateTime &utc, bool daylightSaving);

// As zoneOffsetSeconds, for a custom zone's database id; an id this machine
// does not know logs once and gives nothing.
std::optional<int> customZoneOffsetSeconds(const QString &zoneId, const QDateTime &utc, bool daylightSaving);

// A custom offset typed by a person, to the minute: "+5.5", "5:45", "-3:30",
// "+1". Nothing when the text is not an offset within a day.
std::optional<int> customOffsetSeconds(const QString &text);

// The zone's wall time, in a UTC container like every wall time of the clock.
QDateTime wallTime(const QDateTime &utc, int offsetSeconds);

} // namespace exact_zone_time
