// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/clock_state.h"
#include "engine/zone_catalogue.h"

#include <QString>

#include <functional>
#include <optional>

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

    // typingTimer adds the letters of a name; the rotation owns it.
    Rotation(ClockState &state, const platform::Services &services, platform::Label &zoneLabel,
             platform::Timer &zoneTimer, platform::Timer &typingTimer, UpdateCheck &updateCheck);

    void onZoneTimer();
    // Puts the next enabled zone from `nextZonePosition` on show. Deliberately does not
    // wrap within one call: the last enabled zone of a cycle stays two periods.
    void showNextZone(Typing typing = Typing::Seen);
    // Puts an entry on show, whether the rotation or a zone command chose it: its
    // name is typed one letter every 30 ms, and the zone itself is stored once the
    // last letter is, and then whenShown runs. An entry put on show meanwhile
    // replaces it (the last one wins); the replaced entry's whenShown runs then.
    void putOnShow(const CatalogueEntry &entry, Typing typing = Typing::Seen, std::function<void()> whenShown = {});
    bool isTyping() const { return m_coming.has_value(); }
    bool isInternetConnected();

    // The interval `scan` asks for now.
    int scanIntervalMs() const;

private:
    void startTimeSync();
    void typeNextLetter();
    void finishShowing();

    ClockState &m_state;
    const platform::Services &m_services;
    platform::Label &m_zoneLabel;
    platform::Timer &m_zoneTimer;
    platform::Timer &m_typingTimer;
    UpdateCheck &m_updateCheck;
    // The entry whose name is being typed, and how much of it is shown.
    std::optional<CatalogueEntry> m_coming;
    qsizetype m_lettersShown = 0;
    std::function<void()> m_whenShown;
};
