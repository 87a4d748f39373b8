// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/clock_tick.h"

#include "fake_platform.h"
#include "fake_window_pieces.h"

#include <gtest/gtest.h>

namespace {

constexpr int TimeLabelHeight = 525;

class ClockTickTest : public ::testing::Test {
protected:
    FakePlatform fake;
    ChangeLog log {fake.loop};
    FakeLabel zone {QStringLiteral("zoneLabel"), log, 255, QStringLiteral("Waiting for data")};
    FakeLabel time {QStringLiteral("timeLabel"), log, TimeLabelHeight, QStringLiteral("12:12:12 pm")};
    FakeLabel local {QStringLiteral("dateLabel"), log, 255, QStringLiteral("Local time: 12:12:12")};
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

    // The fixed-offset clock: the catalogue's hours and the one shared summer rule.
    ClockTickTest() { fake.settings.set(QStringLiteral("exact"), QStringLiteral("False")); }

    void show(int offsetHours, bool dst)
    {
        state.zoneOffset = ZoneOffset::fromHours(qint16(offsetHours));
        state.zoneDaylightSaving = dst;
        state.zoneJustShown = true;
    }
    void showCustom(const QString &offsetText)
    {
        state.zoneOffset = ZoneOffset::fromText(offsetText);
        state.zoneDaylightSaving = false;
        state.zoneJustShown = true;
    }
    void at(const QDate &date, const QTime &t) { fake.clock.setNow(date, t); }
    QString picture(const char *file) const { return fake.desktop.folder + QLatin1Char('/') + QLatin1String(file); }
};

TEST_F(ClockTickTest, FreshZoneRollsTheTimeLabelAndAppliesItsScenery)
{
    at(QDate(2026, 12, 7), QTime(12, 0, 5));
    show(0, true);
    const qint64 start = fake.loop.now();
    tickAndRoll();

    EXPECT_EQ(time.text(), QStringLiteral("12:00:05 pm"));
    EXPECT_EQ(local.text(), QStringLiteral("07th December 2026"));
    EXPECT_FALSE(state.zoneJustShown);
    EXPECT_FALSE(state.zoneDaylightSaving) << "December is outside the period: the tick clears the flag";
    EXPECT_EQ(background.current(), picture("day.bmp"));
    EXPECT_EQ(zone.text(), QStringLiteral("Waiting for data")) << "the tick never writes the zone name";

    // Up in 15-twip steps to 0, then down again and back to the exact height.
    const QStringList heights = log.values(QStringLiteral("timeLabel"), QStringLiteral("height"));
    ASSERT_EQ(heights.size(), 36 + 36 + 1);
    EXPECT_EQ(heights.first(), QStringLiteral("525"));
    EXPECT_EQ(heights.at(35), QStringLiteral("0"));
    EXPECT_EQ(heights.at(36), QStringLiteral("0"));
    EXPECT_EQ(heights.last(), QStringLiteral("525"));
    EXPECT_EQ(time.minHeightSeen(), 0);

    // The text changes while the label is collapsed, and the roll takes about
    // half a second each way.
    const auto &changes = log.changes;
    auto textChange = std::find_if(changes.begin(), changes.end(), [](const PieceChange &c) {
        return c.piece == QLatin1String("timeLabel") && c.what == QLatin1String("text");
    });
    ASSERT_NE(textChange, changes.end());
    EXPECT_GT(textChange->at - start, 450);
    EXPECT_LT(textChange->at - start, 700);
    EXPECT_GT(fake.loop.now() - start, 900);
    EXPECT_LT(fake.loop.now() - start, 1400);
}

TEST_F(ClockTickTest, TheRollEndsOnTimeWhenFramesComeLate)
{
    at(QDate(2026, 12, 7), QTime(12, 0, 5));
    show(0, false);
    const quint32 start = fake.ticks.tickCount();
    tick.onClockTimer();
    // A busy machine: the counter runs 100 ms further ahead at every frame.
    int frames = 0;
    for (quint32 lag = 100; tick.isRolling() && frames < 200; lag += 100, ++frames) {
        fake.ticks.setStartTick(1000 + lag);
        fake.loop.advance(ClockTick::RollStepMs);
    }
    const quint32 took = fake.ticks.tickCount() - start;
    const quint32 planned = 2 * 36 * ClockTick::RollStepMs;
    EXPECT_FALSE(tick.isRolling());
    EXPECT_GE(took, planned);
    // At most a frame behind its plan: the rest is dropped, the roll not stretched.
    EXPECT_LT(took, planned + 100 + 2 * ClockTick::RollStepMs) << "frames are dropped, the roll is not stretched";
    EXPECT_LT(frames, 36) << frames;
    EXPECT_EQ(time.height(), TimeLabelHeight);
    EXPECT_EQ(time.minHeightSeen(), 0) << "the new time still comes in while the label is collapsed";
    EXPECT_EQ(log.values(QStringLiteral("timeLabel"), QStringLiteral("text")).size(), 1);
    EXPECT_FALSE(state.zoneJustShown);
}

// Timers may fire a millisecond early, and a frame may be held up once: every
// row is still shown, none twice and none skipped.
TEST_F(ClockTickTest, AFrameEarlyOrHeldUpOnceShowsEveryRowOnce)
{
    at(QDate(2026, 12, 7), QTime(12, 0, 5));
    show(0, false);
    tick.onClockTimer();
    for (int frame = 0; tick.isRolling() && frame < 200; ++frame) {
        // Early by a millisecond every other frame, and once held up a whole frame.
        fake.ticks.setStartTick(1000 - quint32(frame % 2) + (frame >= 40 ? ClockTick::RollStepMs + 1 : 0));
        fake.loop.advance(ClockTick::RollStepMs);
    }
    const QStringList heights = log.values(QStringLiteral("timeLabel"), QStringLiteral("height"));
    EXPECT_EQ(heights.size(), 36 + 36 + 1) << heights.join(u' ').toStdString();
}

TEST_F(ClockTickTest, ATickWithoutAFreshZoneOnlyWritesTheLabels)
{
    at(QDate(2026, 12, 7), QTime(3, 0, 0));
    show(0, false);
    tickAndRoll();
    log.changes.clear();
    const qint64 before = fake.loop.now();

    tickAndRoll();
    EXPECT_EQ(fake.loop.now(), before) << "no waiting without a roll";
    ASSERT_EQ(log.changes.size(), 2u);
    EXPECT_EQ(log.changes[0].piece, QStringLiteral("timeLabel"));
    EXPECT_EQ(log.changes[1].piece, QStringLiteral("dateLabel"));
}

TEST_F(ClockTickTest, LabelHeightThatIsNotAStepMultipleIsRestoredExactly)
{
    time.setHeight(520);
    at(QDate(2026, 12, 7), QTime(12, 0, 0));
    show(0, false);
    tickAndRoll();
    EXPECT_EQ(time.height(), 520);
    EXPECT_GE(time.minHeightSeen(), 0) << "never a negative height";
}

TEST_F(ClockTickTest, ATickInsideAnotherTicksRollNeitherCollapsesNorSkipsTheRestore)
{
    at(QDate(2026, 12, 7), QTime(23, 30, 0));
    show(0, false);
    // Nested ticks fall due during the roll up and during the roll down.
    fake.loop.postAt(200, [this] { tick.onClockTimer(); });
    fake.loop.postAt(900, [this] {
        state.zoneJustShown = true; // a zone command lands mid-roll
        tick.onClockTimer();
    });
    tickAndRoll();

    EXPECT_EQ(time.height(), TimeLabelHeight);
    EXPECT_EQ(log.values(QStringLiteral("timeLabel"), QStringLiteral("text")).size(), 3);
    EXPECT_EQ(log.values(QStringLiteral("clockFace"), QStringLiteral("picture")).size(), 1)
        << "only the outer tick applies the scenery";
    EXPECT_TRUE(state.zoneJustShown) << "the zone command's fresh zone waits for the next tick";

    tickAndRoll();
    EXPECT_FALSE(state.zoneJustShown);
    EXPECT_EQ(time.height(), TimeLabelHeight);
}

TEST_F(ClockTickTest, AZonePutOnShowDuringTheRollGetsItsOwnTimeAndScenery)
{
    fake.settings.set(QStringLiteral("24hr"), QStringLiteral("True"));
    at(QDate(2026, 12, 7), QTime(12, 0, 0));
    show(0, false);
    // Wellington comes on show while the label rolls up: 12:00 GMT is 01:00 there.
    fake.loop.postAt(200, [this] { show(13, false); });
    tickAndRoll();
    EXPECT_EQ(time.text(), QStringLiteral("01:00:00"));
    EXPECT_EQ(local.text(), QStringLiteral("08th December 2026"));
    EXPECT_EQ(background.current(), picture("nighttime.bmp"));
    EXPECT_FALSE(state.zoneJustShown);
}

TEST_F(ClockTickTest, DaylightSavingFollowsTheLocalDateAndTheSwitch)
{
    // 24 March 2024 is a Sunday: the period starts that day, not on the 31st.
    at(QDate(2024, 3, 24), QTime(10, 0, 0));
    show(0, true);
    tickAndRoll();
    EXPECT_EQ(time.text(), QStringLiteral("11:00:00 am"));

    at(QDate(2024, 3, 23), QTime(10, 0, 0));
    tickAndRoll();
    EXPECT_EQ(time.text(), QStringLiteral("10:00:00 am")) << "the day before: standard time";
    EXPECT_FALSE(state.zoneDaylightSaving);

    at(QDate(2024, 3, 24), QTime(10, 0, 0));
    tickAndRoll();
    EXPECT_EQ(time.text(), QStringLiteral("10:00:00 am")) << "the tick never sets the flag again";

    // The October change day itself is outside the period.
    at(QDate(2026, 10, 24), QTime(10, 0, 0));
    show(1, true);
    tickAndRoll();
    EXPECT_EQ(time.text(), QStringLiteral("12:00:00 pm"));
    at(QDate(2026, 10, 25), QTime(10, 0, 0));
    tickAndRoll();
    EXPECT_EQ(time.text(), QStringLiteral("11:00:00 am"));
}

TEST_F(ClockTickTest, TheOctoberChangeOnThe24thWhenItIsASunday)
{
    // 24 October 2027 is a Sunday: the last day with the extra hour is the 23rd.
    at(QDate(2027, 10, 23), QTime(10, 0, 0));
    show(1, true);
    tickAndRoll();
    EXPECT_EQ(time.text(), QStringLiteral("12:00:00 pm"));
    EXPECT_TRUE(state.zoneDaylightSaving);
    at(QDate(2027, 10, 24), QTime(10, 0, 0));
    tickAndRoll();
    EXPECT_EQ(time.text(), QStringLiteral("11:00:00 am")) << "not the 31st: the search starts at the 24th";
    EXPECT_FALSE(state.zoneDaylightSaving);
}

TEST_F(ClockTickTest, OnlyTheExactTextFalseSwitchesDaylightSavingOff)
{
    const struct {
        const char *value;
        const char *shown;
    } cases[] = {{"False", "10:00:00 am"}, {"false", "11:00:00 am"}, {"True", "11:00:00 am"}, {"", "11:00:00 am"}};
    for (const auto &c : cases) {
        fake.settings.set(QStringLiteral("dst"), QString::fromLatin1(c.value));
        at(QDate(2026, 7, 1), QTime(10, 0, 0));
        show(0, true);
        tickAndRoll();
        EXPECT_EQ(time.text(), QString::fromLatin1(c.shown)) << "dst=" << c.value;
    }
}

TEST_F(ClockTickTest, OnlyTheExactTextFalseGivesTheTwelveHourClock)
{
    const struct {
        const char *value; // nullptr: key missing
        const char *noon;
        const char *midnight;
    } cases[] = {
        {nullptr, "12:00:00 pm", "12:00:00 am"},
        {"False", "12:00:00 pm", "12:00:00 am"},
        {"True", "12:00:00", "00:00:00"},
        {"false", "12:00:00", "00:00:00"},
        {"", "12:00:00", "00:00:00"},
    };
    for (const auto &c : cases) {
        FakePlatform fresh;
        if (c.value)
            fresh.settings.set(QStringLiteral("24hr"), QString::fromLatin1(c.value));
        ClockState s;
        FakeTimer freshRollTimer {fresh.loop};
        ClockTick t {s, fresh.services, {zone, time, local}, background, freshRollTimer, QLocale(QLocale::English)};
        fresh.clock.setNow(QDate(2026, 12, 7), QTime(12, 0, 0));
        t.onClockTimer();
        EXPECT_EQ(time.text(), QString::fromLatin1(c.noon)) << (c.value ? c.value : "(missing)");
        fresh.clock.setNow(QDate(2026, 12, 7), QTime(0, 0, 0));
        t.onClockTimer();
        EXPECT_EQ(time.text(), QString::fromLatin1(c.midnight)) << (c.value ? c.value : "(missing)");
    }
}

TEST_F(ClockTickTest, PlusTwelveWithDaylightSavingReachesTomorrowAtElevenGmt)
{
    fake.settings.set(QStringLiteral("24hr"), QStringLiteral("True"));
    show(12, true);
    at(QDate(2026, 7, 31), QTime(10, 59, 59));
    tickAndRoll();
    EXPECT_EQ(local.text(), QStringLiteral("31st July 2026"));
    EXPECT_EQ(time.text(), QStringLiteral("23:59:59"));
    at(QDate(2026, 7, 31), QTime(11, 0, 0));
    tickAndRoll();
    EXPECT_EQ(local.text(), QStringLiteral("01st August 2026"));
    EXPECT_EQ(time.text(), QStringLiteral("00:00:00"));
}

TEST_F(ClockTickTest, YearEndAtPlusTwelve)
{
    fake.settings.set(QStringLiteral("24hr"), QStringLiteral("True"));
    show(12, true);
    at(QDate(2026, 12, 31), QTime(12, 0, 0));
    tickAndRoll();
    EXPECT_EQ(local.text(), QStringLiteral("01st January 2027")) << "winter: no extra hour, but +12 passes midnight";
    EXPECT_EQ(time.text(), QStringLiteral("00:00:00"));
}

TEST_F(ClockTickTest, LocalOffsetIsTakenToGmtToTheSecond)
{
    fake.settings.set(QStringLiteral("24hr"), QStringLiteral("True"));
    show(0, false);
    const struct {
        qint32 machineOffset;
        const char *gmt;
    } machines[] = {{19800, "06:30:00"}, {20700, "06:15:00"}, {-12600, "15:30:00"}, {34200, "02:30:00"}};
    for (const auto &machine : machines) {
        at(QDate(2026, 12, 7), QTime(12, 0, 0));
        fake.timeZone.offset = platform::UtcOffset {machine.machineOffset};
        tickAndRoll();
        EXPECT_EQ(time.text(), QLatin1String(machine.gmt)) << machine.machineOffset;
    }
    at(QDate(2026, 12, 7), QTime(12, 0, 0));
    fake.timeZone.offset = platform::UtcOffset {-13 * 3600};
    // local 12:00 at -13 is 01:00 GMT the next day
    at(QDate(2026, 12, 7), QTime(12, 0, 0));
    tickAndRoll();
    EXPECT_EQ(time.text(), QStringLiteral("01:00:00"));
    EXPECT_EQ(local.text(), QStringLiteral("08th December 2026"));
}

TEST_F(ClockTickTest, CustomOffsetTextIsConvertedWhenUsed)
{
    fake.settings.set(QStringLiteral("24hr"), QStringLiteral("True"));
    at(QDate(2026, 7, 1), QTime(12, 0, 0));
    const struct {
        const char *text;
        const char *shown;
    } cases[] = {{"+5", "17:00:00"},   {"-7", "05:00:00"},  {"5.5", "17:30:00"}, {"12.75", "00:45:00"},
                 {"-3.5", "08:30:00"}, {"abc", "12:00:00"}, {"", "12:00:00"}};
    for (const auto &c : cases) {
        at(QDate(2026, 7, 1), QTime(12, 0, 0));
        showCustom(QString::fromLatin1(c.text));
        tickAndRoll();
        EXPECT_EQ(time.text(), QString::fromLatin1(c.shown)) << '"' << c.text << '"';
    }
}

TEST_F(ClockTickTest, SceneryAtTheWindowEdges)
{
    const struct {
        QTime time;
        const char *picture;
        quint32 local, clock, name;
    } cases[] = {
        {QTime(4, 59, 59), "nighttime.bmp", 0x00FFFFFF, 0x0000FFFF, 0x00FFFFFF},
        {QTime(5, 0, 0), "night.bmp", 0, 0, 0},
        {QTime(7, 30, 0), "eve.bmp", 0, 0, 0},
        {QTime(19, 0, 0), "eve.bmp", 0, 0, 0},
        {QTime(23, 59, 59), "nighttime.bmp", 0x00FFFFFF, 0x0000FFFF, 0x00FFFFFF},
    };
    for (const auto &c : cases) {
        at(QDate(2026, 12, 7), c.time);
        show(0, false);
        tickAndRoll();
        EXPECT_EQ(background.current(), picture(c.picture)) << c.time.toString().toStdString();
        EXPECT_EQ(local.foreColor(), c.local);
        EXPECT_EQ(time.foreColor(), c.clock);
        EXPECT_EQ(zone.foreColor(), c.name);
    }
}

TEST_F(ClockTickTest, AZoneStayingOnShowFollowsThePartOfTheDayWithoutARoll)
{
    const struct {
        const char *graphic;
        QTime time;
        const char *picture; // nullptr: the picture stays
        quint32 local, clock, name;
    } steps[] = {
        {"True", QTime(19, 0, 0), "eve.bmp", 0, 0, 0},
        {"True", QTime(19, 0, 1), nullptr, 0, 0, 0},
        {"True", QTime(23, 0, 0), "nighttime.bmp", 0x00FFFFFF, 0x0000FFFF, 0x00FFFFFF},
        // Midnight passes into a row that looks the same: nothing is loaded again.
        {"True", QTime(0, 0, 0), nullptr, 0x00FFFFFF, 0x0000FFFF, 0x00FFFFFF},
        // With the scenery off nothing follows, not even the colours.
        {"False", QTime(5, 0, 0), nullptr, 0x00FFFFFF, 0x0000FFFF, 0x00FFFFFF},
        {"False", QTime(8, 0, 0), nullptr, 0x00FFFFFF, 0x0000FFFF, 0x00FFFFFF},
        {"True", QTime(19, 0, 0), "eve.bmp", 0, 0, 0},
    };
    at(QDate(2026, 12, 7), QTime(18, 59, 59));
    show(0, false);
    tickAndRoll();
    ASSERT_EQ(background.current(), picture("day.bmp"));
    for (const auto &s : steps) {
        fake.settings.set(QStringLiteral("graphic"), QString::fromLatin1(s.graphic));
        const QString before = background.current();
        log.changes.clear();
        at(QDate(2026, 12, 7), s.time);
        tickAndRoll();
        const std::string when = s.graphic + (' ' + s.time.toString().toStdString());
        EXPECT_EQ(background.current(), s.picture ? picture(s.picture) : before) << when;
        EXPECT_EQ(local.foreColor(), s.local) << when;
        EXPECT_EQ(time.foreColor(), s.clock) << when;
        EXPECT_EQ(zone.foreColor(), s.name) << when;
        EXPECT_TRUE(log.values(QStringLiteral("timeLabel"), QStringLiteral("height")).isEmpty()) << "no roll";
        EXPECT_TRUE(log.values(QStringLiteral("zoneLabel"), QStringLiteral("text")).isEmpty()) << "no retyping";
        EXPECT_EQ(log.values(QStringLiteral("clockFace"), QStringLiteral("picture")).size(), s.picture ? 1 : 0) << when;
    }
}

TEST_F(ClockTickTest, GraphicsOffTurnsTheLabelsBlackAndKeepsThePicture)
{
    at(QDate(2026, 12, 7), QTime(2, 0, 0));
    show(0, false);
    tickAndRoll();
    EXPECT_EQ(time.foreColor(), 0x0000FFFFu);

    for (const char *value : {"False", "true", ""}) {
        fake.settings.set(QStringLiteral("graphic"), QString::fromLatin1(value));
        show(0, false);
        tickAndRoll();
        EXPECT_EQ(background.current(), picture("nighttime.bmp")) << value;
        EXPECT_EQ(local.foreColor(), 0u) << value;
        EXPECT_EQ(time.foreColor(), 0u) << value;
        EXPECT_EQ(zone.foreColor(), 0u) << value;
    }
}

TEST_F(ClockTickTest, AnUnreadablePictureKeepsTheBackgroundButTheColoursApply)
{
    background.unreadable.insert(picture("nighttime.bmp"));
    at(QDate(2026, 12, 7), QTime(12, 0, 0));
    show(0, false);
    tickAndRoll();
    at(QDate(2026, 12, 7), QTime(1, 0, 0));
    show(0, false);
    tickAndRoll();
    EXPECT_EQ(background.current(), picture("day.bmp"));
    EXPECT_EQ(time.foreColor(), 0x0000FFFFu);
}

TEST_F(ClockTickTest, SettingsAreReadAfreshEveryTick)
{
    at(QDate(2026, 12, 7), QTime(15, 0, 0));
    tickAndRoll();
    EXPECT_EQ(time.text(), QStringLiteral("3:00:00 pm"));
    fake.settings.set(QStringLiteral("24hr"), QStringLiteral("True"));
    tickAndRoll();
    EXPECT_EQ(time.text(), QStringLiteral("15:00:00"));
}

} // namespace
