// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's own offset from GMT changing under a running clock: its
// daylight-saving changes and a move to another time zone.
#include "engine/local_zone.h"

#include "clock_world.h"

namespace {

using platform::UtcOffset;

// What the machine's time zone says at some instant.
struct MachineZone {
    int offsetSeconds;
    UtcOffset info;
};

constexpr MachineZone LondonWinter {0, {0, false}};
constexpr MachineZone LondonSummer {3600, {3600, true}};
constexpr MachineZone BerlinWinter {3600, {3600, false}};
constexpr MachineZone NewYorkWinter {-5 * 3600, {-5 * 3600, false}};
constexpr MachineZone Kolkata {19800, {19800, false}};
constexpr MachineZone Kathmandu {20700, {20700, false}};
constexpr MachineZone NewfoundlandSummer {-9000, {-9000, true}};

struct MachineClock {
    ClockWorld &world;
    QDateTime utcAtZero; // the UTC instant virtual time 0 stands for

    QDateTime utcNow() const { return utcAtZero.addMSecs(world.fake.loop.now()); }
    void follow(const MachineZone &zone)
    {
        const QDateTime wall = utcNow().addSecs(zone.offsetSeconds);
        world.fake.clock.setLocalOffsetSeconds(zone.offsetSeconds);
        world.fake.clock.setNow(wall.date(), wall.time());
        world.fake.timeZone.offset = zone.info;
    }
};

TEST(LocalOffset, AZoneKeepsItsTimeAcrossTheMachinesOwnChanges)
{
    const struct {
        const char *what;
        QDateTime changeUtc;
        MachineZone before, after;
    } cases[] = {
        {"London into summer time", QDateTime(QDate(2026, 3, 29), QTime(1, 0), Qt::UTC), LondonWinter, LondonSummer},
        {"London back to winter time", QDateTime(QDate(2026, 10, 25), QTime(1, 0), Qt::UTC), LondonSummer,
         LondonWinter},
        {"the machine moved from Berlin to New York", QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC),
         BerlinWinter, NewYorkWinter},
        {"back from New York to London across the local midnight",
         QDateTime(QDate(2026, 12, 8), QTime(5, 0, 10), Qt::UTC), NewYorkWinter, LondonWinter},
        {"half and three-quarter hours: Kolkata to Kathmandu", QDateTime(QDate(2026, 12, 7), QTime(6, 0), Qt::UTC),
         Kolkata, Kathmandu},
        {"Newfoundland's summer time to London", QDateTime(QDate(2026, 7, 7), QTime(6, 0), Qt::UTC), NewfoundlandSummer,
         LondonSummer},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ClockWorld world;
        world.enableOnly({"seo"}); // +9 all year: its time is GMT + 9 whatever the machine does
        MachineClock machine {world, c.changeUtc.addSecs(-20)};
        machine.follow(c.before);
        setLocalOffset(world.state, machineGmtOffset(world.fake.timeZone)); // start-up
        world.start();
        world.fake.loop.postAt(20'000, [&machine, &c] { machine.follow(c.after); });
        world.fake.loop.advance(25'000);

        // Every time written, before and after the change, is Seoul's at that moment.
        int written = 0, afterChange = 0;
        for (const PieceChange &change : world.log.changes) {
            if (change.piece != QLatin1String("timeLabel") || change.what != QLatin1String("text"))
                continue;
            const QDateTime seoul = machine.utcAtZero.addMSecs(change.at).addSecs(9 * 3600);
            EXPECT_EQ(change.value, seoul.time().toString(QStringLiteral("HH:mm:ss"))) << "at " << change.at << " ms";
            ++written;
            afterChange += change.at > 20'000;
        }
        EXPECT_GE(written, 20);
        EXPECT_GE(afterChange, 4);
        EXPECT_EQ(world.state.localOffsetSeconds, c.after.offsetSeconds);
    }
}

TEST(LocalOffset, LocaldiffIsWorkedOutOnlyWhenTheOffsetChanged)
{
    FakeTimeZoneInfo machine;
    ClockState state;
    machine.offset = BerlinWinter.info;
    setLocalOffset(state, machineGmtOffset(machine));
    EXPECT_EQ(state.localToGmtHours, -1);

    // Something else set localToGmtHours on purpose: an unchanged offset leaves it.
    state.localToGmtHours = 7;
    followLocalOffset(state, machine);
    EXPECT_EQ(state.localToGmtHours, 7);

    const struct {
        MachineZone zone;
        double localToGmtHours;
    } steps[] = {{NewYorkWinter, 5}, {Kolkata, -5.5}, {LondonSummer, -1}, {LondonWinter, 0}};
    for (const auto &step : steps) {
        machine.offset = step.zone.info;
        followLocalOffset(state, machine);
        EXPECT_EQ(state.localToGmtHours, step.localToGmtHours) << step.zone.offsetSeconds;
        EXPECT_EQ(state.localOffsetSeconds, step.zone.offsetSeconds);
    }

    // Information that cannot be read counts as GMT, as it does at start-up.
    machine.offset = BerlinWinter.info;
    followLocalOffset(state, machine);
    machine.offset.reset();
    followLocalOffset(state, machine);
    EXPECT_EQ(state.localToGmtHours, 0);
}

} // namespace
