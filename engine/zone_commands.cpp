// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/zone_commands.h"

#include "engine/rotation.h"
#include "engine/zone_catalogue.h"
#include "platform/desktop.h"
#include "platform/services.h"
#include "platform/sound.h"
#include "platform/window_pieces.h"

#include <QDir>

ZoneCommands::ZoneCommands(const platform::Services &services, Rotation &rotation, platform::Timer &zoneTimer)
    : m_services(services),
      m_rotation(rotation),
      m_zoneTimer(zoneTimer)
{
}

void ZoneCommands::holdForAMinute()
{
    // A fresh 60-second countdown, whatever the timer was doing, frozen included.
    m_zoneTimer.setInterval(0);
    m_zoneTimer.setEnabled(false);
    m_zoneTimer.setEnabled(true);
    m_zoneTimer.setInterval(HandPickedStayMs);
}

void ZoneCommands::playBlip()
{
    m_services.sound.playFile(m_services.desktop.programFolder() + QDir::separator() + QStringLiteral("blip.wav"));
}

void ZoneCommands::showPreset(const PresetZone &zone)
{
    holdForAMinute();
    m_rotation.putOnShow(zone_catalogue::presetEntry(zone), Rotation::Typing::Seen, [this] { playBlip(); });
}

void ZoneCommands::showCustom(int number)
{
    holdForAMinute();
    m_rotation.putOnShow(zone_catalogue::customEntry(number, m_services.settings), Rotation::Typing::Seen,
                         [this] { playBlip(); });
}

void ZoneCommands::freeze()
{
    m_zoneTimer.setInterval(0);
}

void ZoneCommands::showNextZoneNow()
{
    // The rotation fires as soon as this click has been handled.
    m_zoneTimer.setEnabled(false);
    m_zoneTimer.setInterval(0);
    m_zoneTimer.setInterval(1);
    m_zoneTimer.setEnabled(true);
    playBlip();
}
