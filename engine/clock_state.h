// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The offset of the zone on show: a preset's whole hours, or a custom zone's
// stored text, converted only when the time is computed. A preset also names
// its zone of the time-zone database, for the exact clock; a custom zone chosen
// from the database names it by its id.
struct ZoneOffset {
    bool isText = false;
    qint16 hours = 0;
    QString text;
    const char *ianaZone = nullptr;
    QString zoneId;

    static ZoneOffset fromHours(qint16 hours, const char *ianaZone = nullptr)
    {
        return {false, hours, {}, ianaZone, {}};
    }
    static ZoneOffset fromText(const QString &text, const QString &zoneId = {})
    {
        return {true, 0, text, nullptr, zoneId};
    }

    // Seconds east of GMT on the fixed-offset clock: a preset's whole hours, a
    // custom zone's text to the minute ("5.5" is +5:30). Text that is no offset
    // within a day counts as 0: the zone is shown at GMT.
    int fixedSeconds() const;
};

// The state the main window's handlers share. Handlers pump events while they
// wait, so each one reads these afresh at every step where it uses them.
struct ClockState {
    double localToGmtHours = 0;    // hours added to local time to reach GMT
    qint32 localOffsetSeconds = 0; // the machine's offset from GMT that localToGmtHours was worked out from
    qint16 nextZonePosition = 0;   // the catalogue position the rotation tries next
    ZoneOffset zoneOffset;
    bool zoneDaylightSaving = false;
    bool zoneJustShown = false;
    bool timeSyncStarted = false;
    bool updateCheckStarted = false;
    bool updating = false;
};
