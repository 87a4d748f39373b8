// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pause.h"

#include "fake_platform.h"

#include <gtest/gtest.h>

namespace {

TEST(PauseMilliseconds, WaitsTheTimeWhileHandlingEvents)
{
    FakePlatform fake;
    int handled = 0;
    fake.loop.postAt(10, [&] { ++handled; });
    fake.loop.postAt(25, [&] { ++handled; });
    fake.loop.postAt(40, [&] { ++handled; });
    PauseMilliseconds(30, fake.ticks, fake.loop);
    EXPECT_EQ(fake.loop.now(), 30);
    EXPECT_EQ(handled, 2) << "events inside the wait run, later ones wait";
}

TEST(PauseMilliseconds, ZeroAndNegativeStillPumpOnce)
{
    FakePlatform fake;
    int handled = 0;
    fake.loop.post([&] { ++handled; });
    PauseMilliseconds(0, fake.ticks, fake.loop);
    EXPECT_EQ(handled, 1);
    fake.loop.post([&] { ++handled; });
    PauseMilliseconds(-5, fake.ticks, fake.loop);
    EXPECT_EQ(handled, 2);
    EXPECT_EQ(fake.loop.now(), 0);
}

TEST(PauseMilliseconds, EndsAcrossTheTickCounterWrap)
{
    for (quint32 startTick : {0xFFFFFFF0u, 0xFFFFFFFFu, 0u, 0x7FFFFFF8u}) {
        FakePlatform fake;
        fake.ticks.setStartTick(startTick);
        PauseMilliseconds(30, fake.ticks, fake.loop);
        EXPECT_EQ(fake.loop.now(), 30) << startTick;
    }
}

TEST(PauseMilliseconds, SleepsInsteadOfSpinning)
{
    FakePlatform fake;
    PauseMilliseconds(1000, fake.ticks, fake.loop);
    EXPECT_LE(fake.loop.pumpCount(), 2) << "a wait with nothing to do is one sleep, not a busy loop";
}

TEST(PauseSeconds, WaitsWhileHandlingEventsAcrossMidnightAndTheCounterWrap)
{
    FakePlatform fake;
    fake.clock.setNow(QDate(2026, 12, 7), QTime(23, 59, 59, 600));
    fake.ticks.setStartTick(0xFFFFFE00u);
    bool handled = false;
    fake.loop.postAt(700, [&] { handled = true; });
    PauseSeconds(1, fake.ticks, fake.loop);
    EXPECT_EQ(fake.loop.now(), 1000);
    EXPECT_TRUE(handled);
    EXPECT_EQ(fake.clock.localWallTime().date(), QDate(2026, 12, 8));

    const int pumps = fake.loop.pumpCount();
    PauseSeconds(0, fake.ticks, fake.loop);
    EXPECT_EQ(fake.loop.now(), 1000);
    EXPECT_GT(fake.loop.pumpCount(), pumps) << "events are handled even for no wait";

    PauseSeconds(300, fake.ticks, fake.loop); // a byte's worth at most
    EXPECT_EQ(fake.loop.now(), 1000 + 255 * 1000);
}

} // namespace
