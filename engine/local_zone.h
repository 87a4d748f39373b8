// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

struct ClockState;

namespace platform {
class TimeZoneInfo;
}

// The machine's own offset from GMT in seconds, east positive; 0 when the
// time-zone information cannot be read.
qint32 machineGmtOffset(const platform::TimeZoneInfo &timeZone);

// Hours to add to local time to reach GMT, to the second: +5:30 gives -5.5 and
// -3:30 gives +3.5. (Taken in whole hours, every zone was 30 or 45 minutes off
// on a half-hour machine.)
double localCorrection(qint32 localOffsetSeconds);

// Sets localToGmtHours from the machine's offset from GMT in seconds.
void setLocalOffset(ClockState &state, qint32 localOffsetSeconds);

// Works localToGmtHours out again when the machine's offset is no longer the one it
// came from: after the machine's own daylight-saving change or a move to
// another time zone, every zone still shows its right time without a restart.
void followLocalOffset(ClockState &state, const platform::TimeZoneInfo &timeZone);
