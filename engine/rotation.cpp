// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rotation.h"

#include "engine/call_outs.h"
#include "engine/pause.h"
#include "engine/scan_delay.h"
#include "engine/time_sync_log.h"
#include "engine/typed_settings.h"
#include "engine/zone_catalogue.h"
#include "platform/desktop.h"
#include "platform/event_pump.h"
#include "platform/network.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/window_pieces.h"

#include <QDir>

Rotation::Rotation(ClockState &state, const platform::Services &services, platform::Label &zoneLabel,
                   platform::Timer &zoneTimer, UpdateCheck &updateCheck)
    : m_state(state),
      m_services(services),
      m_zoneLabel(zoneLabel),
      m_zoneTimer(zoneTimer),
      m_updateCheck(updateCheck)
{
}

int Rotation::scanIntervalMs() const
{
    return scan_delay::intervalMs(TypedSettings(m_services.settings).text(setting::Scan));
}

bool Rotation::isInternetConnected()
{
    return m_services.network.isOnline();
}

void Rotation::onZoneTimer()
{
    if (TypedSettings(m_services.settings).isTrue(setting::Sync) && !m_state.timeSyncStarted) {
        if (isInternetConnected()) {
            startTimeSync();
            m_state.timeSyncStarted = true;
        }
    }

    // The flag is tested first: asking whether the machine is online costs more.
    if (!m_state.updateCheckStarted && isInternetConnected()) {
        // Set first, so a rotation tick inside the check does not start another.
        m_state.updateCheckStarted = true;
        m_updateCheck.checkForUpdates();
    }

    // Frozen while the check ran: stay frozen, no zone change.
    if (m_zoneTimer.interval() == 0)
        return;

    m_zoneTimer.setInterval(scanIntervalMs());
    showNextZone();
}

void Rotation::startTimeSync()
{
    // The clock neither waits for the tool nor looks at its result.
    const QString tool = m_services.desktop.programFolder() + QDir::separator() + QStringLiteral("cmdtime");
    if (!m_services.processes.start(tool, {QStringLiteral("/P")}, platform::Processes::Show::MinimisedWithoutFocus))
        qCWarning(lcTimeSync).noquote() << "cannot start" << tool + u':' << m_services.processes.startError();
}

void Rotation::showNextZone(Typing typing)
{
    if (m_state.nextZonePosition == 0)
        m_state.nextZonePosition = 1;
    while (m_state.nextZonePosition >= 1 && m_state.nextZonePosition <= zone_catalogue::LastPosition) {
        if (zone_catalogue::isEnabled(m_state.nextZonePosition, m_services.settings)) {
            if (const auto entry = zone_catalogue::entryAt(m_state.nextZonePosition, m_services.settings))
                putOnShow(*entry, typing);
            break;
        }
        ++m_state.nextZonePosition;
    }
    ++m_state.nextZonePosition;
    if (m_state.nextZonePosition > zone_catalogue::LastPosition)
        m_state.nextZonePosition = 1;
}

void Rotation::putOnShow(const CatalogueEntry &entry, Typing typing)
{
    // Name first, then offset and flags, zoneJustShown last: ticks that run during
    // the typing keep showing the previous zone whole.
    typeZoneName(entry.name, typing);
    // A custom offset is read after the typing: one saved meanwhile is the one shown.
    if (entry.isCustom) {
        const TypedSettings settings(m_services.settings);
        const int number = zone_catalogue::customNumberAt(entry.position);
        m_state.zoneOffset = ZoneOffset::fromText(settings.text(setting::customOffset(number)),
                                                  settings.text(setting::customZoneId(number)));
    } else {
        m_state.zoneOffset = ZoneOffset::fromHours(entry.offsetHours, entry.ianaZone);
    }
    m_state.zoneDaylightSaving = entry.daylightSaving;
    m_state.zoneJustShown = true;
}

void Rotation::typeZoneName(const QString &zoneName, Typing typing)
{
    if (typing == Typing::Unseen) {
        m_zoneLabel.setText(zoneName);
        m_services.events.pumpEvents();
        return;
    }
    m_zoneLabel.setText(QString());
    for (qsizetype i = 0; i <= zoneName.size(); ++i) {
        m_zoneLabel.setText(zoneName.left(i));
        m_services.events.pumpEvents();
        PauseMilliseconds(TypingStepMs, m_services.ticks, m_services.events);
    }
}
