// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rotation.h"

#include "engine/call_outs.h"
#include "engine/scan_delay.h"
#include "engine/time_sync_log.h"
#include "engine/typed_settings.h"
#include "engine/zone_catalogue.h"
#include "platform/desktop.h"
#include "platform/network.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/window_pieces.h"

#include <QDir>

#include <utility>

Rotation::Rotation(ClockState &state, const platform::Services &services, platform::Label &zoneLabel,
                   platform::Timer &zoneTimer, platform::Timer &typingTimer, UpdateCheck &updateCheck)
    : m_state(state),
      m_services(services),
      m_zoneLabel(zoneLabel),
      m_zoneTimer(zoneTimer),
      m_typingTimer(typingTimer),
      m_updateCheck(updateCheck)
{
    m_typingTimer.setInterval(0);
    m_typingTimer.setEnabled(true);
    m_typingTimer.setHandler([this] { typeNextLetter(); });
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

void Rotation::putOnShow(const CatalogueEntry &entry, Typing typing, std::function<void()> whenShown)
{
    // The zone is stored only once its name is typed: ticks meanwhile keep
    // showing the previous zone whole.
    m_typingTimer.setInterval(0);
    // A replaced pick still gets its answer (the menu's blip), at once.
    if (const std::function<void()> replaced = std::exchange(m_whenShown, std::move(whenShown)))
        replaced();
    m_coming = entry;
    if (typing == Typing::Unseen) {
        m_zoneLabel.setText(entry.name);
        finishShowing();
        return;
    }
    m_lettersShown = 0;
    m_zoneLabel.setText(QString());
    if (entry.name.isEmpty()) {
        finishShowing();
        return;
    }
    m_typingTimer.setInterval(TypingStepMs);
}

void Rotation::typeNextLetter()
{
    if (!m_coming) {
        m_typingTimer.setInterval(0);
        return;
    }
    ++m_lettersShown;
    m_zoneLabel.setText(m_coming->name.left(m_lettersShown));
    if (m_lettersShown >= m_coming->name.size()) {
        m_typingTimer.setInterval(0);
        finishShowing();
    }
}

void Rotation::finishShowing()
{
    const CatalogueEntry entry = *std::exchange(m_coming, std::nullopt);
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
    if (const std::function<void()> whenShown = std::exchange(m_whenShown, nullptr))
        whenShown();
}
