// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock_world.h"

#include "engine/scan_delay.h"

#include <gtest/gtest.h>

namespace {

TEST(ScanDelay, StoredTextToInterval)
{
    const struct {
        const char *text;
        int ms;
    } cases[] = {
        {"20", 20000},
        {"5", 5000},
        {"60", 60000},
        {"7.9", 7000},
        {" 30 ", 30000},
        {"60.5", 60000},
        // Outside what the dialog allows, but a number the timer can run: floored.
        {"4", 4000},
        {"4.9", 4000},
        {"61", 61000},
        {"1", 1000},
        {"1.5", 1000},
        {"65.99", 65000},
        // Would stop the timer (0 ms) or lies beyond its 65 535 ms.
        {"0.99", 20000},
        {"0", 20000},
        {"-0.5", 20000},
        {"-10", 20000},
        {"66", 20000},
        {"70000", 20000},
        {"", 20000},
        {"abc", 20000},
        {"1e9", 20000},
        {"inf", 20000},
        {"nan", 20000},
    };
    for (const auto &c : cases)
        EXPECT_EQ(scan_delay::intervalMs(QString::fromLatin1(c.text)), c.ms) << '"' << c.text << '"';
}

TEST(Rotation, TypesANameOneCharacterEveryThirtyMillisecondsThenStoresTheZone)
{
    ClockWorld w;
    CatalogueEntry turkey;
    turkey.name = QStringLiteral("Turkey");
    turkey.offsetHours = 3;
    w.rotation.putOnShow(turkey);
    EXPECT_EQ(w.zone.text(), QString()) << "returns at once, the label emptied";
    w.fake.loop.advance(5 * 30);
    EXPECT_EQ(w.zone.text(), QStringLiteral("Turke"));
    EXPECT_FALSE(w.state.zoneJustShown) << "the zone is stored with the last letter";
    EXPECT_EQ(w.state.zoneOffset.hours, 0);
    w.fake.loop.advance(30);
    EXPECT_EQ(w.log.values(QStringLiteral("zoneLabel"), QStringLiteral("text")),
              QStringList({"", "T", "Tu", "Tur", "Turk", "Turke", "Turkey"}));
    EXPECT_TRUE(w.state.zoneJustShown);
    EXPECT_EQ(w.state.zoneOffset.hours, 3);
    EXPECT_FALSE(w.typingTimer.isRunning()) << "no timer left running once typed";
}

TEST(Rotation, OnlyOneZoneIsRetypedEverySecondPeriod)
{
    ClockWorld w;
    w.enableOnly({"uk"});
    w.start();
    EXPECT_EQ(w.typedNames(), QStringList({"United Kingdom"}));
    w.fake.loop.advance(20000);
    w.typeOut();
    EXPECT_EQ(w.typedNames().size(), 1) << "the search does not wrap within one call";
    w.fake.loop.advance(20000);
    w.typeOut();
    EXPECT_EQ(w.typedNames().size(), 2);
}

TEST(Rotation, TheLastEnabledZoneStaysTwoPeriods)
{
    ClockWorld w;
    w.enableOnly({"uk", "east"});
    w.start();
    for (int i = 0; i < 5; ++i)
        w.fake.loop.advance(20000);
    EXPECT_EQ(w.typedNames(),
              QStringList({"United Kingdom", "Eastern Time, USA", "United Kingdom", "Eastern Time, USA"}));
    EXPECT_EQ(w.zoneTimer.fireCount(), 5);
}

TEST(Rotation, TheLastCustomPositionIsFollowedAtOnceByTheFirst)
{
    ClockWorld w;
    w.enableOnly({"uk"});
    const QString last = QString::number(zone_catalogue::CustomCount);
    w.fake.settings.set(QStringLiteral("tz") + last, QStringLiteral("Kathmandu"));
    w.fake.settings.set(QStringLiteral("diff") + last, QStringLiteral("+6"));
    w.fake.settings.set(QStringLiteral("zone") + last, QStringLiteral("Asia/Kathmandu"));
    w.fake.settings.set(QStringLiteral("diff1"), QStringLiteral("+3")); // no name: skipped
    w.start();
    for (int i = 0; i < 3; ++i)
        w.fake.loop.advance(20000);
    w.typeOut();
    EXPECT_EQ(w.typedNames(), QStringList({"United Kingdom", "Kathmandu", "United Kingdom", "Kathmandu"}));
    EXPECT_TRUE(w.state.zoneOffset.isText);
    EXPECT_EQ(w.state.zoneOffset.text, QStringLiteral("+6"));
    EXPECT_EQ(w.state.zoneOffset.zoneId, QStringLiteral("Asia/Kathmandu"));
    EXPECT_FALSE(w.state.zoneDaylightSaving);
}

TEST(Rotation, TicksDuringTheTypingShowThePreviousZone)
{
    ClockWorld w;
    w.enableOnly({"uk", "auc"});
    w.start();
    w.fake.loop.advance(1500); // the first tick has shown the United Kingdom
    w.rollOut();
    ASSERT_TRUE(w.time.text().startsWith(QStringLiteral("12:00:0"))) << w.time.text().toStdString();

    struct Seen {
        QString zone, time;
    };
    std::vector<Seen> seen;
    w.clockTimer.setHandler([&] {
        w.tick.onClockTimer();
        seen.push_back({w.zone.text(), w.time.text()});
    });
    // Start the next rotation tick 300 ms after a display tick, so that the
    // typing of "Wellington, New Zealand" (24 steps of 30 ms) spans the next one.
    w.fake.loop.advance(1800 - (w.fake.loop.now() % 1000));
    w.rotation.onZoneTimer();
    w.typeOut();

    const auto halfTyped = std::find_if(seen.begin(), seen.end(), [](const Seen &s) {
        return s.zone.startsWith(QStringLiteral("Wel")) && s.zone != QLatin1String("Wellington, New Zealand");
    });
    ASSERT_NE(halfTyped, seen.end());
    EXPECT_TRUE(halfTyped->time.startsWith(QStringLiteral("12:0"))) << halfTyped->time.toStdString();
    EXPECT_EQ(w.state.zoneOffset.hours, 12);
    EXPECT_TRUE(w.state.zoneJustShown);

    w.fake.loop.advance(1500);
    w.rollOut();
    EXPECT_TRUE(w.time.text().startsWith(QStringLiteral("00:0"))) << "12:00 GMT is midnight at +12";
    EXPECT_EQ(w.local.text(), QStringLiteral("08th December 2026"));
    EXPECT_FALSE(w.state.zoneJustShown);
}

TEST(Rotation, NoEnabledZoneShowsNothingAndStaysAtOne)
{
    ClockWorld w;
    w.enableOnly({});
    w.start();
    w.fake.loop.advance(45000);
    EXPECT_EQ(w.zone.text(), QStringLiteral("Waiting for data"));
    EXPECT_EQ(w.state.nextZonePosition, 1);
    EXPECT_EQ(w.time.text(), QStringLiteral("12:00:45")) << "the tick shows GMT";
}

TEST(Rotation, TimeSyncStartsAtTheFirstOnlineTickAndNeverAgain)
{
    ClockWorld w;
    w.fake.network.online = false;
    w.start();
    w.fake.loop.advance(40000);
    EXPECT_TRUE(w.fake.processes.started.empty());
    EXPECT_EQ(w.updateCheck.calls, 0);
    EXPECT_FALSE(w.state.timeSyncStarted);

    w.fake.network.online = true;
    w.fake.loop.advance(20000);
    ASSERT_EQ(w.fake.processes.started.size(), 1u);
    const StartedProgram &p = w.fake.processes.started.front();
    EXPECT_EQ(p.program, QStringLiteral("/opt/horalux/cmdtime"));
    EXPECT_EQ(p.arguments, QStringList({"/P"}));
    EXPECT_EQ(p.show, platform::Processes::Show::MinimisedWithoutFocus);
    EXPECT_EQ(w.updateCheck.calls, 1);

    w.fake.loop.advance(100000);
    EXPECT_EQ(w.fake.processes.started.size(), 1u);
    EXPECT_EQ(w.updateCheck.calls, 1);
}

TEST(Rotation, AFailedStartIsNotRetriedAndSyncOffMeansNever)
{
    ClockWorld w;
    w.fake.processes.startSucceeds = false;
    w.start();
    w.fake.loop.advance(60000);
    EXPECT_EQ(w.fake.processes.started.size(), 1u);
    EXPECT_TRUE(w.state.timeSyncStarted);

    for (const char *value : {"False", "true", ""}) {
        ClockWorld off;
        off.fake.settings.set(QStringLiteral("sync"), QString::fromLatin1(value));
        off.start();
        off.fake.loop.advance(60000);
        EXPECT_TRUE(off.fake.processes.started.empty()) << value;
        EXPECT_EQ(off.updateCheck.calls, 1) << "the update check does not depend on sync";
    }
}

TEST(Rotation, FreezingDuringTheUpdateCheckStaysFrozen)
{
    ClockWorld w;
    w.enableOnly({"uk", "east", "auc"});
    w.start();
    w.updateCheck.during = [&] {
        // A rotation tick inside the check must not start a second check.
        w.fake.loop.advance(20000);
        w.commands.freeze();
        w.fake.loop.advance(1000);
    };
    w.fake.loop.advance(20000);
    EXPECT_EQ(w.updateCheck.calls, 1);
    EXPECT_EQ(w.zoneTimer.interval(), 0);
    const QStringList before = w.typedNames();
    w.fake.loop.advance(120000);
    EXPECT_EQ(w.typedNames(), before) << "frozen: no zone change";
}

TEST(Rotation, TheRotationGoesOnWhileTheUpdateCheckRuns)
{
    ClockWorld w;
    w.enableOnly({"uk", "east", "auc"});
    w.start();
    QStringList shownDuringTheCheck;
    w.updateCheck.during = [&] {
        const qsizetype before = w.typedNames().size();
        w.fake.loop.advance(45000); // a long download
        shownDuringTheCheck = w.typedNames().mid(before);
    };
    w.fake.loop.advance(20000);
    EXPECT_EQ(w.updateCheck.calls, 1);
    EXPECT_EQ(shownDuringTheCheck, QStringList({"Eastern Time, USA", "Wellington, New Zealand"}))
        << "rotation ticks run inside the check";
}

TEST(Rotation, AStoredScanIsReadAtEveryTick)
{
    ClockWorld w;
    w.start();
    EXPECT_EQ(w.zoneTimer.interval(), 20000);
    w.fake.settings.set(QStringLiteral("scan"), QStringLiteral("7.9"));
    w.fake.loop.advance(20000);
    EXPECT_EQ(w.zoneTimer.interval(), 7000) << "the countdown under way runs out first";
    w.fake.settings.set(QStringLiteral("scan"), QStringLiteral("letters"));
    w.fake.loop.advance(7000);
    EXPECT_EQ(w.zoneTimer.interval(), 20000) << "a hand-edited file never stalls the rotation";
}

TEST(ZoneCommands, AHandPickedZoneStaysAMinuteThenTheRotationGoesOn)
{
    ClockWorld w;
    w.fake.settings.set(QStringLiteral("scan"), QStringLiteral("5"));
    w.enableOnly({"uk", "haw", "ariz", "cent"});
    w.start();                 // United Kingdom; the rotation timer starts when its name is typed
    w.fake.loop.advance(5500); // Pacific
    w.typeOut();
    ASSERT_EQ(w.typedNames().last(), QStringLiteral("Pacific Time, USA"));
    // Picked once Pacific has rolled in, so no tick falls in Moscow's typing.
    w.fake.loop.advance(w.clockTimer.dueAt() + 1200 - w.fake.loop.now());
    const qint64 picked = w.fake.loop.now();
    w.commands.showPreset(ClockWorld::preset("mos"));
    w.typeOut();
    EXPECT_EQ(w.zone.text(), QStringLiteral("Moscow + Volgograd"));
    EXPECT_EQ(w.zoneTimer.interval(), 60000);
    EXPECT_EQ(w.state.zoneOffset.hours, 3);
    EXPECT_TRUE(w.state.zoneDaylightSaving);
    ASSERT_EQ(w.fake.sound.played.size(), 1u);
    EXPECT_EQ(w.fake.sound.played[0].file, QStringLiteral("/opt/horalux/blip.wav"));
    EXPECT_EQ(w.fake.sound.played[0].at, picked + 18 * Rotation::TypingStepMs) << "the blip once the name is typed";

    w.fake.loop.advance(picked + 59900 - w.fake.loop.now());
    EXPECT_EQ(w.zone.text(), QStringLiteral("Moscow + Volgograd")) << "60 s, whatever scan says";
    w.fake.loop.advance(2000);
    EXPECT_EQ(w.typedNames().last(), QStringLiteral("Mountain Time, USA")) << "successor of the last rotated zone";
    EXPECT_EQ(w.zoneTimer.interval(), 5000);
}

TEST(ZoneCommands, FreezeHoldsTheZoneWhileItsTimeRuns)
{
    ClockWorld w;
    w.start();
    w.fake.loop.advance(1500);
    w.rollOut();
    w.commands.freeze();
    const QString before = w.time.text();
    w.fake.loop.advance(90000);
    EXPECT_EQ(w.typedNames(), QStringList({"United Kingdom"}));
    const int ran = QTime::fromString(before, QStringLiteral("HH:mm:ss"))
                        .secsTo(QTime::fromString(w.time.text(), QStringLiteral("HH:mm:ss")));
    EXPECT_GE(ran, 89) << "the time keeps ticking";
    EXPECT_LE(ran, 91);
}

TEST(ZoneCommands, PickingAZoneEndsAFreeze)
{
    ClockWorld w;
    w.start();
    w.commands.freeze();
    w.commands.showCustom(1); // no name stored: typed as empty text, shown at GMT
    EXPECT_EQ(w.zoneTimer.interval(), 60000);
    EXPECT_TRUE(w.state.zoneOffset.isText);
    EXPECT_EQ(w.state.zoneOffset.text, QStringLiteral("0"));
    EXPECT_FALSE(w.state.zoneDaylightSaving);
    w.fake.loop.advance(61000);
    EXPECT_EQ(w.typedNames().last(), QStringLiteral("Pacific Time, USA"));
    EXPECT_EQ(w.zoneTimer.interval(), 20000);
}

TEST(ZoneCommands, NextZonePictureMovesOnAtOnceAndEndsAFreeze)
{
    ClockWorld w;
    w.start();
    w.commands.freeze();
    w.commands.showNextZoneNow();
    ASSERT_EQ(w.fake.sound.played.size(), 1u);
    const qint64 clicked = w.fake.loop.now();
    w.fake.loop.advance(2);
    EXPECT_EQ(w.zoneTimer.fireCount(), 1);
    EXPECT_LE(w.zoneTimer.interval(), 20000);
    w.fake.loop.advance(1000);
    EXPECT_EQ(w.typedNames().last(), QStringLiteral("Pacific Time, USA"));
    EXPECT_LE(w.fake.sound.played[0].at, clicked) << "the blip comes before the typing";
}

// The zone the user picked last is the one on show, for a minute of its own.
TEST(ZoneCommands, AShowCommandDuringTheRotationsTypingWins)
{
    ClockWorld w;
    w.start();
    // The menu command lands while "Pacific Time, USA" is being typed.
    const qint64 picked = w.zoneTimer.dueAt() + 100;
    w.fake.loop.postAt(picked, [&] { w.commands.showPreset(ClockWorld::preset("jer")); });
    w.fake.loop.advance(21000);
    EXPECT_EQ(w.zone.text(), QStringLiteral("Jerusalem"));
    EXPECT_EQ(w.state.zoneOffset.hours, 2);
    EXPECT_FALSE(w.state.zoneDaylightSaving);
    EXPECT_FALSE(w.typedNames().contains(QStringLiteral("Pacific Time, USA"))) << "its typing stops";
    EXPECT_EQ(w.zoneTimer.interval(), 60000);
    EXPECT_EQ(w.zoneTimer.dueAt(), picked + 60000) << "the minute counts from the pick";
    w.fake.loop.advance(picked + 61000 - w.fake.loop.now());
    EXPECT_EQ(w.typedNames().last(), QStringLiteral("Mountain Time, USA")) << "then the rotation goes on";
}

TEST(ZoneCommands, ASecondShowCommandDuringTheFirstsTypingWins)
{
    ClockWorld w;
    w.start();
    w.fake.loop.postAt(w.fake.loop.now() + 100, [&] { w.commands.showPreset(ClockWorld::preset("bang")); });
    w.commands.showPreset(ClockWorld::preset("auc"));
    w.typeOut();
    EXPECT_EQ(w.zone.text(), QStringLiteral("Bangkok + Hanoi"));
    EXPECT_EQ(w.state.zoneOffset.hours, 7);
    EXPECT_FALSE(w.state.zoneDaylightSaving);
    EXPECT_FALSE(w.typedNames().contains(QStringLiteral("Wellington, New Zealand")));
    ASSERT_EQ(w.fake.sound.played.size(), 2u) << "each pick blips, the replaced one at once";
    EXPECT_EQ(w.fake.sound.played[1].at, w.fake.sound.played[0].at + 15 * Rotation::TypingStepMs);
}

TEST(ZoneCommands, CustomZonesAreReadAtEachClick)
{
    ClockWorld w;
    w.start();
    w.fake.settings.set(QStringLiteral("tz2"), QStringLiteral("Newfoundland"));
    w.fake.settings.set(QStringLiteral("diff2"), QStringLiteral("-3.5"));
    w.commands.showCustom(2);
    w.typeOut();
    EXPECT_EQ(w.zone.text(), QStringLiteral("Newfoundland"));
    w.fake.loop.advance(1100);
    w.rollOut();
    EXPECT_EQ(w.time.text().left(5), QStringLiteral("08:30")) << "-3.5 is -3:30, to the minute";
}

// How a custom zone comes on show: by the rotation or by its menu command.
struct CustomRoute {
    const char *name;
    std::function<void(ClockWorld &)> show;
};

void PrintTo(const CustomRoute &r, std::ostream *os)
{
    *os << r.name;
}

const CustomRoute customRoutes[] = {
    {"Rotation",
     [](ClockWorld &w) {
         w.enableOnly({});
         w.rotation.showNextZone();
     }},
    {"Menu", [](ClockWorld &w) { w.commands.showCustom(1); }},
};

class CustomZoneRouteTest : public ::testing::TestWithParam<CustomRoute> {};

TEST_P(CustomZoneRouteTest, AnOffsetSavedDuringTheTypingIsTheOneShown)
{
    ClockWorld w;
    w.fake.settings.set(QStringLiteral("tz1"), QStringLiteral("Kathmandu"));
    w.fake.settings.set(QStringLiteral("diff1"), QStringLiteral("+3"));
    // The settings dialog saves a new offset while "Kathmandu" is half typed.
    w.fake.loop.postAt(w.fake.loop.now() + 100,
                       [&] { w.fake.settings.set(QStringLiteral("diff1"), QStringLiteral("+5")); });
    GetParam().show(w);
    w.typeOut();
    EXPECT_EQ(w.zone.text(), QStringLiteral("Kathmandu"));
    ASSERT_TRUE(w.state.zoneOffset.isText);
    EXPECT_EQ(w.state.zoneOffset.text, QStringLiteral("+5"));
}

TEST_P(CustomZoneRouteTest, ANameOfOneSpaceIsTypedAndShown)
{
    ClockWorld w;
    w.fake.settings.set(QStringLiteral("tz1"), QStringLiteral(" "));
    w.fake.settings.set(QStringLiteral("diff1"), QStringLiteral("+2"));
    GetParam().show(w);
    w.typeOut();
    EXPECT_EQ(w.log.values(QStringLiteral("zoneLabel"), QStringLiteral("text")), QStringList({"", " "}));
    EXPECT_EQ(w.zone.text(), QStringLiteral(" "));
    EXPECT_TRUE(w.state.zoneJustShown);
    EXPECT_FALSE(w.state.zoneDaylightSaving);
    w.tick.onClockTimer();
    w.rollOut();
    EXPECT_EQ(w.time.text(), QStringLiteral("14:00:00")) << "12:00 GMT at +2";
}

INSTANTIATE_TEST_SUITE_P(Routes, CustomZoneRouteTest, ::testing::ValuesIn(customRoutes),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ZoneCommands, TheNextZonePictureCutsAHandPickedStayShort)
{
    ClockWorld w;
    w.fake.settings.set(QStringLiteral("scan"), QStringLiteral("9"));
    w.enableOnly({"uk", "haw", "ariz"});
    w.start();
    w.commands.showPreset(ClockWorld::preset("mos"));
    ASSERT_EQ(w.zoneTimer.interval(), 60000);
    w.fake.loop.advance(10000);

    w.commands.showNextZoneNow();
    w.fake.loop.advance(1000);
    EXPECT_EQ(w.typedNames().last(), QStringLiteral("Pacific Time, USA")) << "at once, not after 60 s";
    EXPECT_EQ(w.zoneTimer.interval(), 9000) << "back to exactly scan x 1000";
    const qint64 next = w.zoneTimer.dueAt();
    w.fake.loop.advance(next + 1000 - w.fake.loop.now());
    EXPECT_EQ(w.typedNames().last(), QStringLiteral("Mountain Time, USA"));
}

TEST(ZoneCommands, PickingTheSameZoneAgainRestartsTheMinute)
{
    ClockWorld w;
    w.start();
    const PresetZone &moscow = ClockWorld::preset("mos");
    w.commands.showPreset(moscow);
    w.fake.loop.advance(40000);
    const qint64 pickedAgain = w.fake.loop.now(); // the minute starts before the typing
    w.commands.showPreset(moscow);
    w.fake.loop.advance(pickedAgain + 59000 - w.fake.loop.now());
    EXPECT_EQ(w.zone.text(), QStringLiteral("Moscow + Volgograd")) << "99 s after the first pick";
    EXPECT_EQ(w.zoneTimer.fireCount(), 0);
    w.fake.loop.advance(pickedAgain + 61000 - w.fake.loop.now());
    EXPECT_EQ(w.zoneTimer.fireCount(), 1);
    EXPECT_EQ(w.typedNames().last(), QStringLiteral("Pacific Time, USA"));
}

// A display tick that falls inside a show command's typing still shows the
// zone before it, and leaves the new zone's roll and scenery to the first
// tick after the typing.
struct ShowCommandCase {
    const char *name;
    std::function<void(ClockWorld &)> show;
    const char *typed;
    const char *firstTime; // at 12:00 GMT on 7 December 2026
};

void PrintTo(const ShowCommandCase &c, std::ostream *os)
{
    *os << c.name;
}

class ShowCommandTypingTest : public ::testing::TestWithParam<ShowCommandCase> {};

TEST_P(ShowCommandTypingTest, ATickInsideTheTypingShowsThePreviousZone)
{
    const ShowCommandCase &c = GetParam();
    ClockWorld w;
    w.fake.settings.set(QStringLiteral("tz2"), QStringLiteral("Chatham Islands"));
    w.fake.settings.set(QStringLiteral("diff2"), QStringLiteral("+13"));
    w.start();
    w.fake.loop.advance(1500); // the United Kingdom's first tick has rolled
    w.rollOut();
    ASSERT_EQ(w.background.current(), w.fake.desktop.folder + QStringLiteral("/day.bmp"));
    // Half-way between two plain ticks, well clear of the first one's roll.
    w.fake.loop.advance(w.clockTimer.dueAt() + 500 - w.fake.loop.now());
    ASSERT_GT(w.clockTimer.dueAt() - 200, w.fake.loop.now());

    struct Seen {
        QString zone, time; // the zone label as the tick began, the time as it ended
        bool rolls;
    };
    std::vector<Seen> seen;
    w.clockTimer.setHandler([&] {
        const QString zone = w.zone.text();
        w.tick.onClockTimer();
        seen.push_back({zone, w.time.text(), w.tick.isRolling()});
    });
    // The command starts 200 ms before a display tick, so the tick lands in the typing.
    w.fake.loop.postAt(w.clockTimer.dueAt() - 200, [&] { c.show(w); });
    w.fake.loop.advance(w.clockTimer.dueAt() + 100 - w.fake.loop.now());
    w.typeOut();

    const QString typed = QString::fromUtf8(c.typed);
    int ticksInside = 0;
    for (const Seen &tick : seen) {
        if (tick.zone.isEmpty() || tick.zone == typed || !typed.startsWith(tick.zone))
            continue;
        ++ticksInside;
        EXPECT_TRUE(tick.time.startsWith(QStringLiteral("12:0"))) << tick.time.toStdString();
        EXPECT_FALSE(tick.rolls) << "no roll for a zone not yet stored";
    }
    EXPECT_GE(ticksInside, 1);
    EXPECT_EQ(w.zone.text(), typed);
    EXPECT_TRUE(w.state.zoneJustShown) << "the roll is left to the first tick after the typing";

    w.fake.loop.advance(1000);
    ASSERT_GE(seen.size(), 2u);
    EXPECT_TRUE(seen.back().rolls) << "the new zone rolls in";
    w.rollOut();
    EXPECT_TRUE(w.time.text().startsWith(QString::fromUtf8(c.firstTime))) << w.time.text().toStdString();
    EXPECT_EQ(w.background.current(), w.fake.desktop.folder + QStringLiteral("/nighttime.bmp"));
    EXPECT_FALSE(w.state.zoneJustShown);
}

INSTANTIATE_TEST_SUITE_P(Commands, ShowCommandTypingTest,
                         ::testing::Values(ShowCommandCase {"Preset",
                                                            [](ClockWorld &w) {
                                                                w.commands.showPreset(ClockWorld::preset("auc"));
                                                            },
                                                            "Wellington, New Zealand", "00:0"},
                                           ShowCommandCase {"Custom", [](ClockWorld &w) { w.commands.showCustom(2); },
                                                            "Chatham Islands", "01:0"}),
                         [](const auto &info) { return std::string(info.param.name); });

// Equal offsets differ at the tick only by the daylight-saving flag.
TEST(ZoneCommands, KuwaitAgainstMoscowAndBeijingAgainstPerthAtTheTick)
{
    const struct {
        QDate date;
        const char *key;
        const char *shown; // at 12:00 GMT
    } cases[] = {
        {QDate(2026, 7, 1), "kuw", "15:00"},   {QDate(2026, 7, 1), "mos", "16:00"},
        {QDate(2026, 12, 7), "kuw", "15:00"},  {QDate(2026, 12, 7), "mos", "15:00"},
        {QDate(2026, 7, 1), "beij", "20:00"},  {QDate(2026, 7, 1), "pert", "20:00"},
        {QDate(2026, 12, 7), "beij", "20:00"}, {QDate(2026, 12, 7), "pert", "20:00"},
    };
    for (const auto &c : cases) {
        ClockWorld w;
        w.fake.clock.setStart(c.date, QTime(12, 0, 0));
        w.commands.showPreset(ClockWorld::preset(c.key));
        w.typeOut();
        w.fake.clock.setNow(c.date, QTime(12, 0, 0));
        w.tick.onClockTimer();
        w.rollOut();
        EXPECT_TRUE(w.time.text().startsWith(QLatin1String(c.shown)))
            << c.key << " on " << c.date.toString(Qt::ISODate).toStdString() << ": " << w.time.text().toStdString();
    }
}

} // namespace
