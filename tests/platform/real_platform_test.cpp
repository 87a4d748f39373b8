// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/rolling_label.h"
#include "mainwindow/widget_pieces.h"
#include "platform/real/machine_zone.h"
#include "platform/real/qt_processes.h"
#include "platform/real/system_time_zone_info.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <functional>

#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(SingleInstance, TheSecondClaimIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("horalux.lock"));
    {
        platform::QtProcesses first(lock);
        EXPECT_FALSE(first.previousInstanceRunning());
        EXPECT_FALSE(first.previousInstanceRunning()) << "asking again keeps our own claim";
        platform::QtProcesses second(lock);
        EXPECT_TRUE(second.previousInstanceRunning());
    }
    platform::QtProcesses third(lock);
    EXPECT_FALSE(third.previousInstanceRunning());
}

TEST(SingleInstance, ALockLeftByACrashDoesNotStopTheNextStart)
{
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("horalux.lock"));
    // A child takes the lock and dies without releasing it, as a crash would.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        platform::QtProcesses crashed(lock);
        crashed.previousInstanceRunning();
        _exit(0); // no destructors: the lock file stays behind
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(QFile::exists(lock));
    platform::QtProcesses next(lock);
    EXPECT_FALSE(next.previousInstanceRunning());

    // After a crash and a restart of the machine the new clock may draw the
    // dead one's process number: a file naming it, a live "horalux", is no claim.
    QTemporaryDir again;
    const QString left = again.filePath(QStringLiteral("horalux.lock"));
    QFile file(left);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(::getpid()) + '\n'
               + QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget().section(u'/', -1).toUtf8() + '\n'
               + QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n');
    file.close();
    platform::QtProcesses restarted(left);
    EXPECT_FALSE(restarted.previousInstanceRunning());
}

TEST(SingleInstance, ASecondStartBringsTheRunningClockToTheFront)
{
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("horalux.lock"));
    // A socket left by a clock that died is no obstacle to the next one.
    ASSERT_TRUE(QFile(dir.filePath(QStringLiteral("horalux.socket"))).open(QIODevice::WriteOnly));
    platform::QtProcesses first(lock);
    QList<QByteArray> tokens;
    first.onActivationRequest([&](const QByteArray &token) { tokens << token; });
    ASSERT_FALSE(first.previousInstanceRunning());

    // The launcher's activation token is passed on; one unfit to pass on
    // (a control character, too long) still brings the clock, without it.
    const QByteArray token = "kwin-3741_TIME123";
    const QList<QByteArray> launched = {token, "a\nb", QByteArray(300, 'x'), {}};
    QElapsedTimer asked;
    asked.start();
    for (const QByteArray &launch : launched) {
        platform::QtProcesses later(lock, launch);
        EXPECT_TRUE(later.previousInstanceRunning());
    }
    EXPECT_LT(asked.elapsed(), 1000) << "a later start never waits for the first";
    QElapsedTimer waited;
    waited.start();
    while (tokens.size() < launched.size() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    std::sort(tokens.begin(), tokens.end());
    EXPECT_EQ(tokens, (QList<QByteArray> {{}, {}, {}, token}));
}

TEST(SingleInstance, AnUnusableLockFolderDoesNotStopTheClock)
{
    platform::QtProcesses processes(QStringLiteral("/nonexistent-folder/horalux.lock"));
    EXPECT_FALSE(processes.previousInstanceRunning());
}

TEST(LabelPiece, ColoursHeightsAndText)
{
    RollingLabel label;
    label.setGeometry(7, 24, 166, 35);
    LabelPiece piece(label);
    piece.setForeColor(0x0000FFFF); // &H0000FFFF: yellow
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 255, 0));
    piece.setForeColor(0x00FF0000); // blue byte first
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(piece.height(), 525);
    piece.setHeight(510);
    EXPECT_EQ(label.visibleHeight(), 34);
    EXPECT_EQ(piece.height(), 510);
    EXPECT_EQ(label.geometry(), QRect(7, 24, 166, 35)) << "the roll never moves the widget";
    piece.setHeight(-15);
    EXPECT_EQ(label.visibleHeight(), 0);
    piece.setHeight(600);
    EXPECT_EQ(label.visibleHeight(), 35) << "never beyond the label";
    piece.setText(QStringLiteral("7:05:09 pm"));
    EXPECT_EQ(piece.text(), QStringLiteral("7:05:09 pm"));
}

TEST(PicturePiece, AnUnreadableFileKeepsThePicture)
{
    QTemporaryDir dir;
    QLabel label;
    PicturePiece piece(label);
    QImage image(180, 80, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString good = dir.filePath(QStringLiteral("day.bmp"));
    ASSERT_TRUE(image.save(good));
    piece.loadPicture(good);
    ASSERT_FALSE(label.pixmap().isNull());
    const QString damaged = dir.filePath(QStringLiteral("night.bmp"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM not really a bitmap");
    file.close();
    piece.loadPicture(damaged);
    piece.loadPicture(dir.filePath(QStringLiteral("missing.bmp")));
    EXPECT_EQ(label.pixmap().toImage().pixelColor(10, 10), QColor(Qt::red));
}

TEST(PicturePiece, PrefersTheDoubleSizeTwinOnDenseScreens)
{
    QTemporaryDir dir;
    QImage small(180, 80, QImage::Format_RGB32), large(360, 160, QImage::Format_RGB32);
    small.fill(Qt::red);
    large.fill(Qt::blue);
    ASSERT_TRUE(small.save(dir.filePath(QStringLiteral("eve.bmp"))));
    ASSERT_TRUE(large.save(dir.filePath(QStringLiteral("eve@2x.bmp"))));
    const QPixmap dense = loadPixmapForScreen(dir.filePath(QStringLiteral("eve.bmp")), 2.0);
    EXPECT_EQ(dense.size(), QSize(360, 160));
    EXPECT_EQ(dense.devicePixelRatio(), 2.0);
    EXPECT_EQ(loadPixmapForScreen(dir.filePath(QStringLiteral("eve.bmp")), 1.0).size(), QSize(180, 80));
}

// Runs events until done() holds or a generous deadline passes: never a fixed
// sleep, so a loaded machine only makes it slower.
bool processUntil(const std::function<bool()> &done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 10000) {
        QEventLoop slice;
        QTimer::singleShot(20, &slice, &QEventLoop::quit);
        slice.exec();
    }
    return done();
}

// The real timer keeps the window-timer rules: interval 0 stops it, a new
// interval restarts it, disabling keeps the interval.
TEST(TimerPiece, IntervalAndEnabledRules)
{
    TimerPiece timer;
    int fired = 0;
    timer.setHandler([&] { ++fired; });
    timer.setInterval(0);
    timer.setEnabled(true);
    QEventLoop settle;
    QTimer::singleShot(60, &settle, &QEventLoop::quit);
    settle.exec();
    EXPECT_EQ(fired, 0) << "interval 0 raises no events";

    timer.setInterval(20);
    EXPECT_TRUE(processUntil([&] { return fired >= 2; })) << "it goes on firing";

    timer.setEnabled(false);
    const int whenDisabled = fired;
    QTimer::singleShot(60, &settle, &QEventLoop::quit);
    settle.exec();
    EXPECT_EQ(fired, whenDisabled);
    EXPECT_EQ(timer.interval(), 20);
}

// A handler that waits sees its own timer fire inside it, as the rotation's
// does while the update check runs.
TEST(TimerPiece, AHandlerThatWaitsMayRunInsideItself)
{
    TimerPiece timer;
    int depth = 0, deepest = 0, fired = 0;
    timer.setHandler([&] {
        ++fired;
        deepest = std::max(deepest, ++depth);
        if (fired == 1)
            processUntil([&] { return fired >= 2; });
        --depth;
    });
    timer.setInterval(10);
    EXPECT_TRUE(processUntil([&] { return fired >= 3; }));
    EXPECT_EQ(deepest, 2);
    timer.setInterval(0);
}

// The display tick's timer against a wall clock that is stepped back 0.7 s
// and later forward 1.4 s, as a time-sync tool would. The one tick already
// armed when the clock steps lands off the second; from the next on, every
// tick comes just after a wall-clock second again, one per second.
TEST(TimerPiece, AlignedTimerFindsTheSecondAgainAfterTheClockSteps)
{
    QElapsedTimer real;
    real.start();
    qint64 wallOffset = 500; // starts half-way into a second
    auto wallNow = [&] { return real.elapsed() + wallOffset; };

    struct Fire {
        qint64 wall;
        bool afterStep; // the first fire after the wall clock was stepped
    };
    std::vector<Fire> fires;
    bool stepped = false;
    TimerPiece timer;
    timer.setAlignedToWallSeconds(true, [&] { return int(wallNow() % 1000); });
    timer.setHandler([&] {
        fires.push_back({wallNow(), stepped});
        stepped = false;
        if (fires.size() == 2 || fires.size() == 4) {
            wallOffset += fires.size() == 2 ? -700 : 1400;
            stepped = true;
        }
    });
    timer.setInterval(1000);
    ASSERT_TRUE(processUntil([&] { return fires.size() >= 7; }));
    timer.setInterval(0);
    ASSERT_GE(fires.size(), 6u);

    // A loaded machine may wake late, never early; a tick this late would
    // still show the right second.
    constexpr qint64 pastTheSecond = 20, lateness = 250;
    for (std::size_t i = 0; i < fires.size(); ++i) {
        const qint64 intoSecond = fires[i].wall % 1000;
        if (fires[i].afterStep)
            continue;
        EXPECT_GE(intoSecond, pastTheSecond - 5) << "fire " << i;
        EXPECT_LT(intoSecond, pastTheSecond + lateness) << "fire " << i;
        if (i > 0 && !fires[i - 1].afterStep) {
            EXPECT_EQ(fires[i].wall / 1000, fires[i - 1].wall / 1000 + 1)
                << "one tick per second, none skipped, fire " << i;
        }
    }
    EXPECT_TRUE(fires[2].afterStep);
    EXPECT_TRUE(fires[4].afterStep);
    EXPECT_EQ(fires[3].wall / 1000, fires[2].wall / 1000 + 1) << "back on the next second after the step back";
    EXPECT_EQ(fires[5].wall / 1000, fires[4].wall / 1000 + 1) << "back on the next second after the step forward";
}

TEST(SystemTimeZone, GivesAConsistentOffset)
{
    platform::MachineZone zone;
    const std::optional<platform::UtcOffset> offset = platform::SystemTimeZoneInfo(zone).utcOffset();
    ASSERT_TRUE(offset.has_value());
    const QDateTime now = QDateTime::currentDateTime();
    EXPECT_EQ(offset->seconds, now.offsetFromUtc());
    EXPECT_EQ(offset->daylightSaving, now.isDaylightTime());
}

} // namespace
