// SPDX-License-Identifier: GPL-3.0-or-later
// CPU spent while a zone name is typed and the time label rolls, through the
// real event pump, tick counter and widgets: every wait must sleep in the
// event loop. Reported as CPU time over wall time.
#include "engine/call_outs.h"
#include "engine/clock_tick.h"
#include "engine/rotation.h"
#include "mainwindow/rolling_label.h"
#include "mainwindow/widget_pieces.h"
#include "platform/real/machine_zone.h"
#include "platform/real/qt_event_pump.h"
#include "platform/real/system_clock.h"

#include "fake_platform.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QLabel>

#include <chrono>
#include <ctime>

namespace {

class NoCheck final : public UpdateCheck {
public:
    void checkForUpdates() override {}
};

double processCpuSeconds()
{
    timespec ts {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

struct RealWorld {
    FakePlatform fake; // only for the store and the services the waits do not use
    platform::MachineZone machineZone;
    platform::SystemClock clock {machineZone};
    platform::MonotonicTickCounter ticks;
    platform::QtEventPump events;
    platform::Services services {clock,          ticks,        events,       fake.timeZone,  fake.settings,
                                 fake.autostart, fake.desktop, fake.network, fake.processes, fake.sound};
    QWidget window;
    RollingLabel zone {&window};
    RollingLabel time {&window};
    RollingLabel local {&window};
    QLabel picture {&window};
    LabelPiece zonePiece {zone};
    LabelPiece timePiece {time};
    LabelPiece localPiece {local};
    PicturePiece picturePiece {picture};
    TimerPiece zoneTimer;
    TimerPiece typingTimer;
    TimerPiece rollTimer;
    NoCheck check;
    ClockState state;
    Rotation rotation {state, services, zonePiece, zoneTimer, typingTimer, check};
    ClockTick tick {state, services, {zonePiece, timePiece, localPiece}, picturePiece, rollTimer};

    RealWorld()
    {
        window.resize(180, 80);
        time.setGeometry(7, 24, 166, 35);
        window.show();
    }
};

void report(benchmark::State &state, double cpu, double wall)
{
    state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / wall;
    state.counters["wall_ms"] = 1000.0 * wall / double(state.iterations());
}

void BM_TypeWellington(benchmark::State &state)
{
    RealWorld world;
    CatalogueEntry wellington;
    wellington.name = QStringLiteral("Wellington, New Zealand");
    wellington.offsetHours = 12;
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double cpu0 = processCpuSeconds();
        const auto wall0 = std::chrono::steady_clock::now();
        world.rotation.putOnShow(wellington);
        // The bench's own event loop: no other runs around it.
        while (world.rotation.isTyping())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        cpu += processCpuSeconds() - cpu0;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    }
    report(state, cpu, wall);
}
BENCHMARK(BM_TypeWellington)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RollTheTimeLabel(benchmark::State &state)
{
    RealWorld world;
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        world.state.zoneJustShown = true;
        const double cpu0 = processCpuSeconds();
        const auto wall0 = std::chrono::steady_clock::now();
        world.tick.onClockTimer();
        while (world.tick.isRolling())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        cpu += processCpuSeconds() - cpu0;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    }
    report(state, cpu, wall);
}
BENCHMARK(BM_RollTheTimeLabel)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
