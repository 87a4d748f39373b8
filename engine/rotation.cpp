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
                   platform::Timer &zonetimer, UpdateCheck &updateCheck)
    : m_state(state),
      m_services(services),
      m_zoneLabel(zoneLabel),
      m_zonetimer(zonetimer),
      m_updateCheck(updateCheck)
{
}

int Rotation::scanIntervalMs() const
{
    return scan_delay::intervalMs(TypedSettings(m_services.settings).text(setting::Scan));
}

bool Rotation::InternetConnected()
{
    return m_services.network.isOnline();
}

void Rotation::zonetimer_Timer()
{
    if (TypedSettings(m_services.settings).isTrue(setting::Sync) && !m_state.timesynced) {
        if (InternetConnected()) {
            startTimeSync();
            m_state.timesynced = true;
        }
    }

    // The flag is tested first: asking whether the machine is online costs more.
    if (!m_state.updatechecked && InternetConnected()) {
        // Set first, so a rotation tick inside the check does not start another.
        m_state.updatechecked = true;
        m_updateCheck.securitycheck();
    }

    // Frozen while the check ran: stay frozen, no zone change.
    if (m_zonetimer.interval() == 0)
        return;

    m_zonetimer.setInterval(scanIntervalMs());
    loadzone();
}

void Rotation::startTimeSync()
{
    // The clock neither waits for the tool nor looks at its result.
    const QString tool = m_services.desktop.programFolder() + QDir::separator() + QStringLiteral("cmdtime");
    if (!m_services.processes.start(tool, {QStringLiteral("/P")}, platform::Processes::Show::MinimisedWithoutFocus))
        qCWarning(lcTimeSync).noquote() << "cannot start" << tool + u':' << m_services.processes.startError();
}

void Rotation::loadzone(Typing typing)
{
    if (m_state.zoneindex == 0)
        m_state.zoneindex = 1;
    while (m_state.zoneindex >= 1 && m_state.zoneindex <= zone_catalogue::LastPosition) {
        if (zone_catalogue::isEnabled(m_state.zoneindex, m_services.settings)) {
            if (const auto entry = zone_catalogue::entryAt(m_state.zoneindex, m_services.settings))
                putOnShow(*entry, typing);
            break;
        }
        ++m_state.zoneindex;
    }
    ++m_state.zoneindex;
    if (m_state.zoneindex > zone_catalogue::LastPosition)
        m_state.zoneindex = 1;
}

void Rotation::putOnShow(const CatalogueEntry &entry, Typing typing)
{
    // Name first, then offset and flags, zonefresh last: ticks that run during
    // the typing keep showing the previous zone whole.
    displayzone(entry.name, typing);
    // A custom offset is read after the typing: one saved meanwhile is the one shown.
    m_state.zonediff = entry.isCustom
        ? ZoneOffset::fromText(TypedSettings(m_services.settings)
                                   .text(setting::customOffset(zone_catalogue::customNumberAt(entry.position))))
        : ZoneOffset::fromHours(entry.offsetHours, entry.ianaZone);
    m_state.zonedst = entry.daylightSaving;
    m_state.zonefresh = true;
}

void Rotation::displayzone(const QString &newname, Typing typing)
{
    if (typing == Typing::Unseen) {
        m_zoneLabel.setText(newname);
        m_services.events.pumpEvents();
        return;
    }
    m_zoneLabel.setText(QString());
    for (qsizetype i = 0; i <= newname.size(); ++i) {
        m_zoneLabel.setText(newname.left(i));
        m_services.events.pumpEvents();
        PauseMilliseconds(TypingStepMs, m_services.ticks, m_services.events);
    }
}
