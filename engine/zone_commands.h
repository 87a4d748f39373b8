// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct PresetZone;
class Rotation;

namespace platform {
class Timer;
struct Services;
} // namespace platform

// The commands that take the rotation in hand: show a zone for 60 seconds,
// freeze the rotation, or move on at once.
class ZoneCommands {
public:
    static constexpr int HandPickedStayMs = 60000;

    ZoneCommands(const platform::Services &services, Rotation &rotation, platform::Timer &zoneTimer);

    // The 24 preset menu commands differ only by their catalogue entry.
    void showPreset(const PresetZone &zone);
    // A place of one's own, 1..zone_catalogue::CustomCount.
    void showCustom(int number);
    void freeze();
    void showNextZoneNow();

private:
    void holdForAMinute();
    void playBlip();

    const platform::Services &m_services;
    Rotation &m_rotation;
    platform::Timer &m_zoneTimer;
};
