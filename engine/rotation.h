// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/clock_state.h"

#include <QString>

struct CatalogueEntry;
class UpdateCheck;

namespace platform {
class Label;
class Timer;
struct Services;
} // namespace platform

// Moves the clock from enabled zone to enabled zone every `scan` seconds, and
// once per run starts the time-sync tool and the update check when online.
class Rotation {
public:
    static constexpr int TypingStepMs = 30;
    // Typing nobody can see (the window not yet shown) need not wait between letters.
    enum class Typing { Seen, Unseen };

    Rotation(ClockState &state, const platform::Services &services, platform::Label &zoneLabel,
             platform::Timer &zoneTimer, UpdateCheck &updateCheck);

    void onZoneTimer();
    // Puts the next enabled zone from `nextZonePosition` on show. Deliberately does not
    // wrap within one call: the last enabled zone of a cycle stays two periods.
    void showNextZone(Typing typing = Typing::Seen);
    // Puts an entry on show, whether the rotation or a zone command chose it.
    void putOnShow(const CatalogueEntry &entry, Typing typing = Typing::Seen);
    // Types a name into the zone label, one more character every 30 ms.
    void typeZoneName(const QString &zoneName, Typing typing = Typing::Seen);
    bool isInternetConnected();

    // The interval `scan` asks for now.
    int scanIntervalMs() const;

private:
    void startTimeSync();

    ClockState &m_state;
    const platform::Services &m_services;
    platform::Label &m_zoneLabel;
    platform::Timer &m_zoneTimer;
    UpdateCheck &m_updateCheck;
};
