// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/clock_tick.h"
#include "engine/exact_zone_time.h"
#include "engine/zone_catalogue.h"

#include "fake_platform.h"
#include "fake_window_pieces.h"
#include "log_capture.h"

#include <gtest/gtest.h>

namespace {

// Instants around real transitions, written from the published rules.
class ExactZoneTest : public ::testing::Test {
protected:
    FakePlatform fake;
    ChangeLog log {fake.loop};
    FakeLabel zone {QStringLiteral("zoneLabel"), log};
    FakeLabel time {QStringLiteral("timeLabel"), log, 525};
    FakeLabel local {QStringLiteral("dateLabel"), log};
    FakePicture background {QStringLiteral("clockFace"), log};
    FakeTimer rollTimer {fake.loop};
    ClockState state;
    ClockTick tick {state, fake.services, {zone, time, local}, background, rollTimer, QLocale(QLocale::English)};

    // One display tick, with its roll to the end when it starts one.
    void tickAndRoll()
    {
        tick.onClockTimer();
        while (tick.isRolling())
            fake.loop.advance(ClockTick::RollStepMs);
    }

    ExactZoneTest()
    {
        // No "exact" key: a new user's file.
        fake.settings.set(QStringLiteral("24hr"), QStringLiteral("True"));
    }

    // The machine's wall clock at a UTC instant, for a machine at the given offset.
    void atUtc(const QDateTime &utc, int machineOffsetSeconds = 0)
    {
        const QDateTime wall = utc.addSecs(machineOffsetSeconds);
        fake.clock.setLocalOffsetSeconds(machineOffsetSeconds);
        fake.clock.setNow(wall.date(), wall.time());
        fake.timeZone.offset = platform::UtcOffset {machineOffsetSeconds};
    }
    void showPreset(const char *key)
    {
        const PresetZone *preset = zone_catalogue::presetByKey(QLatin1String(key));
        state.zoneOffset = ZoneOffset::fromHours(preset->offsetHours, preset->ianaZone);
        state.zoneDaylightSaving = preset->daylightSaving;
    }
    QString shownAt(const char *key, const QDateTime &utc, int machineOffset = 0)
    {
        atUtc(utc, machineOffset);
        showPreset(key);
        tickAndRoll();
        return local.text() + QStringLiteral(" ") + time.text();
    }
    static QDateTime utc(int y, int mo, int d, int h, int mi, int s = 0)
    {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
    }
};

TEST_F(ExactZoneTest, TransitionsFollowEachZonesOwnRules)
{
    const struct {
        const char *key;
        QDateTime utc;
        const char *shown;
    } cases[] = {
        // Wellington: NZDT ends 03:00 NZDT on 5 April 2026, back to 02:00 NZST.
        {"auc", utc(2026, 4, 4, 13, 59), "05th April 2026 02:59:00"},
        {"auc", utc(2026, 4, 4, 14, 0), "05th April 2026 02:00:00"},
        // New York: 02:00 EST on 8 March 2026 jumps to 03:00 EDT.
        {"east", utc(2026, 3, 8, 6, 59, 59), "08th March 2026 01:59:59"},
        {"east", utc(2026, 3, 8, 7, 0), "08th March 2026 03:00:00"},
        // London: 01:00 GMT on 29 March 2026 becomes 02:00 BST.
        {"uk", utc(2026, 3, 29, 0, 59, 59), "29th March 2026 00:59:59"},
        {"uk", utc(2026, 3, 29, 1, 0), "29th March 2026 02:00:00"},
        // Moscow stays at +3 all summer.
        {"mos", utc(2026, 7, 15, 12, 0), "15th July 2026 15:00:00"},
        // Jerusalem: 02:00 IST on Friday 27 March 2026 becomes 03:00 IDT.
        {"jer", utc(2026, 3, 26, 23, 59, 59), "27th March 2026 01:59:59"},
        {"jer", utc(2026, 3, 27, 0, 0), "27th March 2026 03:00:00"},
        // Brasilia has had no daylight saving since 2019.
        {"braz", utc(2026, 1, 10, 12, 0), "10th January 2026 09:00:00"},
    };
    for (const char *exact : {"(missing)", "True"}) {
        if (exact[0] != '(')
            fake.settings.set(QStringLiteral("exact"), QLatin1String(exact));
        for (const auto &c : cases)
            EXPECT_EQ(shownAt(c.key, c.utc), QString::fromLatin1(c.shown))
                << exact << ' ' << c.key << ' ' << c.utc.toString(Qt::ISODate).toStdString();
    }
}

TEST_F(ExactZoneTest, SwitchedOffEverythingStaysAsBefore)
{
    fake.settings.set(QStringLiteral("exact"), QStringLiteral("False"));
    EXPECT_EQ(shownAt("auc", utc(2026, 4, 4, 14, 0)), QStringLiteral("05th April 2026 03:00:00"))
        << "the catalogue's +12 keeps the shared rule's daylight hour through April";
    EXPECT_EQ(shownAt("mos", utc(2026, 7, 15, 12, 0)), QStringLiteral("15th July 2026 16:00:00"));
    EXPECT_EQ(shownAt("jer", utc(2026, 3, 27, 0, 0)), QStringLiteral("27th March 2026 02:00:00"));
    EXPECT_EQ(shownAt("east", utc(2026, 3, 8, 7, 0)), QStringLiteral("08th March 2026 02:00:00"));

    for (const char *value : {"true", "", "1"}) {
        fake.settings.set(QStringLiteral("exact"), QString::fromLatin1(value));
        EXPECT_EQ(shownAt("mos", utc(2026, 7, 15, 12, 0)), QStringLiteral("15th July 2026 16:00:00")) << value;
    }
}

TEST_F(ExactZoneTest, AHalfHourMachineShowsEveryZoneExactly)
{
    for (const char *exact : {"True", "False"}) {
        SCOPED_TRACE(exact);
        fake.settings.set(QStringLiteral("exact"), QLatin1String(exact));
        EXPECT_EQ(shownAt("uk", utc(2026, 12, 7, 12, 0), 19800), QStringLiteral("07th December 2026 12:00:00"));
        EXPECT_EQ(shownAt("islam", utc(2026, 12, 7, 12, 0), 20700), QStringLiteral("07th December 2026 17:00:00"));
    }
}

TEST_F(ExactZoneTest, DaylightSavingOffShowsStandardTime)
{
    fake.settings.set(QStringLiteral("dst"), QStringLiteral("False"));
    EXPECT_EQ(shownAt("uk", utc(2026, 7, 1, 12, 0)), QStringLiteral("01st July 2026 12:00:00"));
    EXPECT_EQ(shownAt("auc", utc(2026, 1, 1, 0, 0)), QStringLiteral("01st January 2026 12:00:00"));
    // A place of one's own as well as a preset.
    atUtc(utc(2026, 7, 1, 1, 0));
    state.zoneOffset = ZoneOffset::fromText(QStringLiteral("1"), QStringLiteral("Europe/Lisbon"));
    tickAndRoll();
    EXPECT_EQ(time.text(), QStringLiteral("01:00:00"));
}

TEST_F(ExactZoneTest, CustomOffsetsApplyToTheMinute)
{
    const struct {
        const char *text;
        const char *shown;
    } cases[] = {
        {"5:45", "17:45:00"},  {"+5.5", "17:30:00"}, {"-3:30", "08:30:00"}, {"+1", "13:00:00"},
        {"-9.75", "02:15:00"}, {"abc", "12:00:00"},  {"5:75", "12:00:00"},  {"30", "12:00:00"},
    };
    for (const auto &c : cases) {
        atUtc(utc(2026, 12, 7, 12, 0));
        state.zoneOffset = ZoneOffset::fromText(QString::fromLatin1(c.text));
        state.zoneDaylightSaving = false;
        tickAndRoll();
        EXPECT_EQ(time.text(), QString::fromLatin1(c.shown)) << c.text;
    }
    fake.settings.set(QStringLiteral("exact"), QStringLiteral("False"));
    atUtc(utc(2026, 12, 7, 12, 0));
    for (const auto &c : cases) {
        state.zoneOffset = ZoneOffset::fromText(QString::fromLatin1(c.text));
        tickAndRoll();
        EXPECT_EQ(time.text(), QString::fromLatin1(c.shown)) << "fixed offsets, " << c.text;
    }
}

TEST_F(ExactZoneTest, ACustomZoneChosenFromTheDatabaseFollowsItsRules)
{
    const struct {
        const char *zoneId;
        const char *offset;
        QDateTime utc;
        const char *shown;
    } cases[] = {
        // Lisbon: 01:00 WET on 29 March 2026 becomes 02:00 WEST.
        {"Europe/Lisbon", "0", utc(2026, 3, 29, 0, 59, 59), "00:59:59"},
        {"Europe/Lisbon", "0", utc(2026, 3, 29, 1, 0), "02:00:00"},
        {"America/New_York", "-5", utc(2026, 3, 8, 7, 0), "03:00:00"},
        // An id this machine lacks keeps the typed offset, to the minute.
        {"Mars/Olympus_Mons", "5.75", utc(2026, 12, 7, 12, 0), "17:45:00"},
    };
    LogCapture logs;
    for (const auto &c : cases) {
        atUtc(c.utc);
        state.zoneOffset = ZoneOffset::fromText(QLatin1String(c.offset), QLatin1String(c.zoneId));
        tickAndRoll();
        tickAndRoll();
        EXPECT_EQ(time.text(), QLatin1String(c.shown)) << c.zoneId;
    }
    EXPECT_EQ(logs.texts(QStringLiteral("horalux.zones")).size(), 1) << "the unknown id is told once";
}

TEST_F(ExactZoneTest, TheSceneryFollowsTheExactTime)
{
    // 22:30 UTC on 1 July: London is at 23:30 BST, deep night.
    atUtc(utc(2026, 7, 1, 22, 30));
    showPreset("uk");
    state.zoneJustShown = true;
    tickAndRoll();
    EXPECT_TRUE(background.current().endsWith(QStringLiteral("nighttime.bmp")));
}

TEST_F(ExactZoneTest, EveryPresetNamesAZoneThisMachineKnows)
{
    for (const PresetZone &preset : zone_catalogue::presets()) {
        EXPECT_TRUE(exact_zone_time::zoneOffsetSeconds(preset.ianaZone, utc(2026, 6, 1, 0, 0), true).has_value())
            << preset.ianaZone;
    }
    EXPECT_FALSE(exact_zone_time::zoneOffsetSeconds("Mars/Olympus_Mons", utc(2026, 6, 1, 0, 0), true));
}

} // namespace
