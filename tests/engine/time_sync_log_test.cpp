// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock_world.h"

#include "log_capture.h"

#include <gtest/gtest.h>

namespace {

// The clock never reports the tool to the user: the log is the only trace.
TEST(TimeSyncLog, AToolThatCannotStartIsLoggedOnceWithItsCause)
{
    LogCapture log;
    ClockWorld w;
    w.fake.processes.startSucceeds = false;
    w.start();
    w.fake.loop.advance(120000);

    const QStringList logged = log.texts(QStringLiteral("horalux.timesync"));
    ASSERT_EQ(logged.size(), 1) << logged.join(u'\n').toStdString();
    EXPECT_TRUE(logged.front().contains(QStringLiteral("/opt/horalux/cmdtime"))) << logged.front().toStdString();
    EXPECT_TRUE(logged.front().contains(QStringLiteral("No such file or directory"))) << logged.front().toStdString();
}

} // namespace
