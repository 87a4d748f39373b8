#include "clock_world.h"

#include "log_capture.h"

#include <gtest/gtest.h>

namespace {

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

TEST(TimeSyncLog, TheNormalRunLogsNothing)
{
    LogCapture log;
    ClockWorld w;
    w.start();
    w.fake.loop.advance(120000);
    w.commands.mnu_freeze_Click();
    w.fake.loop.advance(5000);

    ASSERT_EQ(w.fake.processes.started.size(), 1u);
    EXPECT_TRUE(log.messages().isEmpty()) << log.messages().front().text.toStdString();
}

} // namespace
