// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/clock_tick.h"

#include "engine/clock_format.h"
#include "engine/daylight_saving.h"
#include "engine/exact_zone_time.h"
#include "engine/local_zone.h"
#include "engine/scenery.h"
#include "engine/zone_time.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/services.h"
#include "platform/tick_counter.h"
#include "platform/window_pieces.h"

#include <QDir>

#include <algorithm>
#include <cstring>

namespace {
constexpr LabelColours kBlackLabels {colours::Black, colours::Black, colours::Black};
} // namespace

ClockTick::ClockTick(ClockState &state, const platform::Services &services, ClockLabels labels,
                     platform::Picture &background, platform::Timer &rollTimer, const QLocale &locale)
    : m_state(state),
      m_services(services),
      m_labels(labels),
      m_background(background),
      m_locale(locale),
      m_rollTimer(rollTimer)
{
    m_rollTimer.setInterval(0);
    m_rollTimer.setEnabled(true);
    m_rollTimer.setHandler([this] { onRollFrame(); });
}

TypedSettings ClockTick::settings() const
{
    return TypedSettings(m_services.settings);
}

void ClockTick::onClockTimer()
{
    if (m_state.zoneJustShown && !m_rolling) {
        // The time and scenery come after the roll up: a zone put on show
        // meanwhile gets its own, not those of the zone before it.
        m_rolling = true;
        m_rollingDown = false;
        m_fullHeight = m_labels.time.height();
        m_stepsShown = 0;
        m_phaseStart = m_services.ticks.tickCount();
        m_rollTimer.setInterval(RollStepMs);
        return;
    }
    const QDateTime zoneNow = zoneTimeNow();
    showTime(zoneNow);
    // A tick during a roll leaves the scenery to the roll.
    if (!m_rolling)
        followScenery(zoneNow.time());
}

void ClockTick::showTime(const QDateTime &zoneNow)
{
    const bool twelveHour = settings().isFalse(setting::TwentyFourHour);
    m_labels.time.setText(clock_format::zoneTime(zoneNow.time(), !twelveHour));
    m_labels.date.setText(dateText(zoneNow.date()));
}

void ClockTick::showNewZone()
{
    const QDateTime zoneNow = zoneTimeNow();
    showTime(zoneNow);
    if (m_state.zoneJustShown) {
        applyScenery(zoneNow.time());
        m_state.zoneJustShown = false;
    }
}

int ClockTick::rollStepsDue() const
{
    const int steps = std::max(m_fullHeight, 0) / RollStepTwips + 1;
    // The difference taken as signed holds across a wrap of the counter, and
    // a phase planned to start a moment from now has not begun.
    const qint32 elapsed = std::max<qint32>(qint32(m_services.ticks.tickCount() - m_phaseStart), 0);
    const int byTime = std::min(int(elapsed / RollStepMs), steps);
    // Every frame shows the next row at least: a frame that comes a little
    // early (timers may, by a millisecond) must not show a row twice. Rows are
    // skipped only once the roll is more than a frame behind its plan: one
    // frame held up once (seen on an idle machine) still shows every row.
    return std::min(std::max(byTime - 1, m_stepsShown + 1), steps);
}

void ClockTick::onRollFrame()
{
    const int steps = std::max(m_fullHeight, 0) / RollStepTwips + 1;
    if (!m_rollingDown) {
        // Up: step k shows full - 15 (k - 1), one frame after the other.
        const int due = rollStepsDue();
        if (due > m_stepsShown) {
            m_stepsShown = due;
            m_labels.time.setHeight(m_fullHeight - RollStepTwips * (due - 1));
        }
        if (due < steps)
            return;
        showNewZone();
        m_rollingDown = true;
        m_phaseStart += quint32(steps * RollStepMs);
        m_stepsShown = -1;
    }
    // Down: step j shows 15 j from the phase's start, then the exact height.
    const int due = rollStepsDue();
    if (due >= steps) {
        m_labels.time.setHeight(m_fullHeight);
        m_rollTimer.setInterval(0);
        m_rolling = false;
        return;
    }
    if (due > m_stepsShown) {
        m_stepsShown = due;
        m_labels.time.setHeight(RollStepTwips * due);
    }
}

const QString &ClockTick::dateText(const QDate &zoneDate)
{
    if (zoneDate != m_dateShown) {
        m_dateText = clock_format::zoneDate(zoneDate, m_locale);
        m_dateShown = zoneDate;
    }
    return m_dateText;
}

QDateTime ClockTick::zoneTimeNow()
{
    followLocalOffset(m_state, m_services.timeZone);
    const QDateTime localNow = m_services.clock.localWallTime();
    if (!daylight_saving::inForce(localNow.date()))
        m_state.zoneDaylightSaving = false;
    const bool daylightSavingOn = !settings().isFalse(setting::DaylightSaving);
    if (!daylightSavingOn)
        m_state.zoneDaylightSaving = false;

    if (settings().isTrue(setting::Exact)) {
        if (const std::optional<QDateTime> exact = exactZoneTime(daylightSavingOn))
            return *exact;
    }
    const int shift = m_state.zoneOffset.fixedSeconds() + (m_state.zoneDaylightSaving ? 3600 : 0);
    return zoneWallTime(localNow, m_state.localToGmtHours, shift);
}

std::optional<QDateTime> ClockTick::exactZoneTime(bool daylightSavingOn) const
{
    const QDateTime utc = m_services.clock.utcNow();
    const ZoneOffset &zone = m_state.zoneOffset;
    if (zone.isText) {
        if (!zone.zoneId.isEmpty()) {
            if (const std::optional<int> offset =
                    exact_zone_time::customZoneOffsetSeconds(zone.zoneId, utc, daylightSavingOn))
                return exact_zone_time::wallTime(utc, *offset);
        }
        // Text that is no offset shows GMT, as it does on the catalogue's clock.
        return exact_zone_time::wallTime(utc, exact_zone_time::customOffsetSeconds(zone.text).value_or(0));
    }
    if (!zone.ianaZone)
        return exact_zone_time::wallTime(utc, zone.hours * 3600);
    // A zone this machine's database lacks keeps the catalogue's clock.
    const std::optional<int> offset = exact_zone_time::zoneOffsetSeconds(zone.ianaZone, utc, daylightSavingOn);
    if (!offset)
        return std::nullopt;
    return exact_zone_time::wallTime(utc, *offset);
}

void ClockTick::applyScenery(const QTime &zoneTimeOfDay)
{
    m_sceneryRow = &scenery::forTimeOfDay(zoneTimeOfDay);
    if (settings().isTrue(setting::Graphic))
        showScenery(*m_sceneryRow);
    else
        setLabelColours(kBlackLabels);
}

void ClockTick::followScenery(const QTime &zoneTimeOfDay)
{
    if (!m_sceneryRow || scenery::covers(*m_sceneryRow, zoneTimeOfDay))
        return;
    // The row moves on even with the scenery off, so the settings are read
    // once per part of the day, not every second.
    const SceneryRow &shown = *m_sceneryRow;
    m_sceneryRow = &scenery::forTimeOfDay(zoneTimeOfDay);
    const bool looksTheSame =
        std::strcmp(shown.picture, m_sceneryRow->picture) == 0 && shown.colours == m_sceneryRow->colours;
    if (!looksTheSame && settings().isTrue(setting::Graphic))
        showScenery(*m_sceneryRow);
}

void ClockTick::showScenery(const SceneryRow &row)
{
    m_background.loadPicture(m_services.desktop.programFolder() + QDir::separator() + QLatin1String(row.picture));
    setLabelColours(row.colours.value_or(kBlackLabels));
}

void ClockTick::setLabelColours(const LabelColours &shown)
{
    m_labels.date.setForeColor(shown.local);
    m_labels.time.setForeColor(shown.time);
    m_labels.zone.setForeColor(shown.zone);
}
