// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/clock_state.h"
#include "engine/typed_settings.h"

#include <QDateTime>
#include <QLocale>
#include <QTime>

#include <optional>

struct LabelColours;
struct SceneryRow;

namespace platform {
class Label;
class Picture;
class Timer;
struct Services;
} // namespace platform

struct ClockLabels {
    platform::Label &zone;
    platform::Label &time;
    platform::Label &date; // the date in the zone on show
};

// The display tick: once a second, the time and date of the zone on show; when
// a zone has just come on show, the roll of the time label and the scenery;
// when the zone's time enters another part of the day, that part's scenery.
class ClockTick {
public:
    // Each 15-twip step of the roll lasts one display frame, so a full label
    // rolls in about half a second each way. The steps follow the tick counter:
    // on a busy machine frames are dropped, and the roll still ends on time.
    static constexpr int RollStepTwips = 15;
    static constexpr int RollStepMs = 16;

    // rollTimer paces the roll's frames; the tick owns it.
    ClockTick(ClockState &state, const platform::Services &services, ClockLabels labels, platform::Picture &background,
              platform::Timer &rollTimer, const QLocale &locale = QLocale::system());

    void onClockTimer();
    bool isRolling() const { return m_rolling; }

private:
    TypedSettings settings() const;
    void onRollFrame();
    // The steps of the roll due by now since start, at most the phase's steps.
    int rollStepsDue() const;
    void showNewZone();
    void showTime(const QDateTime &zoneNow);
    void applyScenery(const QTime &zoneTimeOfDay);
    void followScenery(const QTime &zoneTimeOfDay);
    void showScenery(const SceneryRow &row);
    void setLabelColours(const LabelColours &shown);
    // The zone on show's wall time now; clears zoneDaylightSaving outside the period.
    QDateTime zoneTimeNow();
    const QString &dateText(const QDate &zoneDate);
    // The zone's time by its own rules, when the exact clock is switched on.
    std::optional<QDateTime> exactZoneTime(bool daylightSavingOn) const;

    ClockState &m_state;
    const platform::Services &m_services;
    ClockLabels m_labels;
    platform::Picture &m_background;
    QLocale m_locale;
    platform::Timer &m_rollTimer;
    bool m_rolling = false;
    bool m_rollingDown = false;
    int m_fullHeight = 0;
    int m_stepsShown = 0;
    quint32 m_phaseStart = 0; // tick count the phase began at, as planned
    // The part of the day the zone on show was last given scenery for; none
    // before the first zone comes on show.
    const SceneryRow *m_sceneryRow = nullptr;
    // The date label's text changes once a day: worked out only then.
    QDate m_dateShown;
    QString m_dateText;
};
