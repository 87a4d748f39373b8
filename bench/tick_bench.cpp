// SPDX-License-Identifier: GPL-3.0-or-later
// One display tick of a zone that is already on show: settings reads, zone
// arithmetic and formatting, with the real wall clock and settings store.
#include "engine/clock_tick.h"
#include "engine/typed_settings.h"
#include "platform/real/machine_zone.h"
#include "platform/real/system_clock.h"
#include "platform/real/system_time_zone_info.h"
#include "settingsstore/settings_store.h"

#include "fake_platform.h"
#include "fake_window_pieces.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

// state.range(0): 1 for the exact clock (Wellington by the time-zone database).
static void BM_DisplayTickWithoutFreshZone(benchmark::State &state)
{
    FakePlatform fake;
    platform::MachineZone machine;
    platform::SystemClock wallClock(machine);
    platform::SystemTimeZoneInfo machineZone(machine);
    QTemporaryDir configRoot;
    settings::IniSettingsStore store(configRoot.path());
    TypedSettings(store).saveSwitch(setting::TwentyFourHour, false);
    TypedSettings(store).saveSwitch(setting::Exact, state.range(0) != 0);
    const platform::Services services {wallClock,      fake.ticks,   fake.loop,    machineZone,    store,
                                       fake.autostart, fake.desktop, fake.network, fake.processes, fake.sound};
    ChangeLog log {fake.loop};
    FakeLabel zone {QStringLiteral("zoneLabel"), log};
    FakeLabel time {QStringLiteral("timeLabel"), log, 525};
    FakeLabel local {QStringLiteral("dateLabel"), log};
    FakePicture background {QStringLiteral("clockFace"), log};
    ClockState clockState;
    clockState.zoneOffset = ZoneOffset::fromHours(12, "Pacific/Auckland");
    clockState.zoneDaylightSaving = true;
    FakeTimer rollTimer {fake.loop};
    ClockTick tick {clockState, services, {zone, time, local}, background, rollTimer};
    for (auto _ : state) {
        tick.onClockTimer();
        log.changes.clear();
    }
}
BENCHMARK(BM_DisplayTickWithoutFreshZone)->Arg(0)->Arg(1)->MeasureProcessCPUTime();

// What the tick asks of the machine each second: the local wall time and the
// machine's offset from GMT.
static void BM_MachineTimeReads(benchmark::State &state)
{
    platform::MachineZone zone;
    platform::SystemClock wallClock(zone);
    platform::SystemTimeZoneInfo machineZone(zone);
    for (auto _ : state) {
        benchmark::DoNotOptimize(wallClock.localWallTime());
        benchmark::DoNotOptimize(machineZone.utcOffset());
    }
}
BENCHMARK(BM_MachineTimeReads)->MeasureProcessCPUTime();

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
