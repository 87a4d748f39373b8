// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/machine_zone.h"
#include "platform/real/system_clock.h"
#include "platform/real/system_time_zone_info.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

using platform::MachineZone;

qint64 utcMs(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC).toMSecsSinceEpoch();
}

// The machine's zone as the files in a scratch folder name it.
struct ZoneFolder {
    QTemporaryDir dir;
    QByteArray zoneName = "Europe/London";
    int reads = 0;
    MachineZone zone {dir.path(), [this] {
                          ++reads;
                          return QTimeZone(zoneName);
                      }};

    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    static void write(const QString &file, const QByteArray &text)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    // Pumps events until the zone is read again at `at`, or waitMs pass.
    bool readAgainWithin(qint64 at, int waitMs = 5000)
    {
        const int before = reads;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < waitMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            zone.at(at);
            if (reads != before)
                return true;
        }
        return false;
    }
};

TEST(MachineZone, KeepsOneReadingUntilTheZonesNextTransition)
{
    ZoneFolder folder;
    const struct {
        qint64 at;
        int offset;
        bool daylight;
    } readings[] = {
        {utcMs(2026, 3, 28, 12, 0), 0, false},  {utcMs(2026, 3, 29, 0, 59, 59, 999), 0, false},
        {utcMs(2026, 3, 29, 1, 0), 3600, true}, // spring: the transition itself
        {utcMs(2026, 7, 1, 12, 0), 3600, true}, {utcMs(2026, 10, 25, 0, 59, 59), 3600, true},
        {utcMs(2026, 10, 25, 1, 0), 0, false}, // autumn
        {utcMs(2026, 3, 29, 0, 30), 0, false}, // the clock stepped back past both
    };
    for (const auto &r : readings) {
        const platform::ZoneReading reading = folder.zone.at(r.at);
        EXPECT_TRUE(reading.valid);
        EXPECT_EQ(reading.offsetSeconds, r.offset)
            << QDateTime::fromMSecsSinceEpoch(r.at, Qt::UTC).toString().toStdString();
        EXPECT_EQ(reading.daylightTime, r.daylight)
            << QDateTime::fromMSecsSinceEpoch(r.at, Qt::UTC).toString().toStdString();
    }

    // A summer's day of ticks reads the zone once.
    const int before = folder.reads;
    for (qint64 at = utcMs(2026, 7, 2, 0, 0); at < utcMs(2026, 7, 3, 0, 0); at += 1000)
        EXPECT_EQ(folder.zone.at(at).offsetSeconds, 3600);
    EXPECT_EQ(folder.reads, before + 1);
}

TEST(MachineZone, ANewZoneIsSeenWhenAFileNamingItChanges)
{
    const qint64 now = utcMs(2026, 12, 7, 12, 0);
    const struct {
        const char *what;
        std::function<void(ZoneFolder &)> change;
    } changes[] = {
        {"the link replaced",
         [](ZoneFolder &f) {
             ASSERT_TRUE(QFile::link(f.path("berlin"), f.path("localtime.new")));
             ASSERT_EQ(::rename(QFile::encodeName(f.path("localtime.new")).constData(),
                                QFile::encodeName(f.path("localtime")).constData()),
                       0);
         }},
        {"the zone's name written", [](ZoneFolder &f) { ZoneFolder::write(f.path("timezone"), "Europe/Berlin\n"); }},
        {"new rules for the linked file", [](ZoneFolder &f) { ZoneFolder::write(f.path("london"), "rules"); }},
    };
    for (const auto &c : changes) {
        SCOPED_TRACE(c.what);
        ZoneFolder folder;
        ZoneFolder::write(folder.path("london"), "TZif");
        ZoneFolder::write(folder.path("berlin"), "TZif");
        ASSERT_TRUE(QFile::link(folder.path("london"), folder.path("localtime")));
        EXPECT_EQ(folder.zone.at(now).offsetSeconds, 0);
        ASSERT_TRUE(folder.zone.isWatching());

        folder.zoneName = "Europe/Berlin";
        c.change(folder);
        ASSERT_TRUE(folder.readAgainWithin(now)) << "the change was not seen";
        EXPECT_EQ(folder.zone.at(now).offsetSeconds, 3600);
    }
}

TEST(MachineZone, OtherFilesInTheFolderCostNoReading)
{
    ZoneFolder folder;
    const qint64 now = utcMs(2026, 12, 7, 12, 0);
    folder.zone.at(now);
    ZoneFolder::write(folder.path("hostname"), "clock\n");
    EXPECT_FALSE(folder.readAgainWithin(now, 300)) << "read again for a file that names no zone";
}

TEST(MachineZone, NoZoneMeansUtc)
{
    QTemporaryDir dir;
    MachineZone zone(dir.path(), [] { return QTimeZone(); });
    const platform::ZoneReading reading = zone.at(utcMs(2026, 12, 7, 12, 0));
    EXPECT_FALSE(reading.valid);
    EXPECT_EQ(reading.offsetSeconds, 0);
    EXPECT_EQ(platform::SystemTimeZoneInfo(zone).utcOffset(), std::nullopt);
    const platform::SystemClock clock(zone);
    const QDateTime utc = clock.utcNow();
    const QDateTime local = clock.localWallTime();
    EXPECT_LE(utc.secsTo(local), 1);
    EXPECT_GE(utc.secsTo(local), 0);
}

TEST(SystemTimeZone, GivesTheOffsetInForceAndWhetherItIsDaylightSaving)
{
    QTemporaryDir dir;
    const struct {
        const char *zone;
        qint64 at;
        platform::UtcOffset expected;
    } cases[] = {
        {"Europe/Berlin", utcMs(2026, 1, 15, 12, 0), {3600, false}},
        {"Europe/Berlin", utcMs(2026, 7, 1, 12, 0), {7200, true}},
        {"Asia/Kolkata", utcMs(2026, 7, 1, 12, 0), {19800, false}},
        {"America/St_Johns", utcMs(2026, 1, 15, 12, 0), {-12600, false}},
        {"America/St_Johns", utcMs(2026, 7, 1, 12, 0), {-9000, true}},
        {"Australia/Lord_Howe", utcMs(2026, 1, 15, 12, 0), {39600, true}}, // half an hour of daylight saving
        {"Australia/Lord_Howe", utcMs(2026, 7, 1, 12, 0), {37800, false}},
    };
    for (const auto &c : cases) {
        MachineZone zone(dir.path(), [&c] { return QTimeZone(c.zone); });
        const std::optional<platform::UtcOffset> offset = platform::SystemTimeZoneInfo(zone).utcOffsetAt(c.at);
        ASSERT_TRUE(offset.has_value()) << c.zone;
        EXPECT_EQ(offset->seconds, c.expected.seconds) << c.zone << " at " << c.at;
        EXPECT_EQ(offset->daylightSaving, c.expected.daylightSaving) << c.zone << " at " << c.at;
    }
}

TEST(MachineZone, TheSystemClockAgreesWithQt)
{
    MachineZone zone;
    const platform::SystemClock clock(zone);
    // Read on both sides of Qt's reading, so a second boundary between them is harmless.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QDateTime before = clock.localWallTime();
        const QDateTime qt = QDateTime::currentDateTime();
        const QDateTime after = clock.localWallTime();
        if (before != after)
            continue;
        EXPECT_EQ(before.date(), qt.date());
        EXPECT_EQ(before.time(), QTime(qt.time().hour(), qt.time().minute(), qt.time().second()));
        EXPECT_EQ(before.timeSpec(), Qt::UTC) << "local fields in a UTC container";
        const double sinceMidnight = clock.secondsSinceMidnight();
        EXPECT_NEAR(sinceMidnight, before.time().msecsSinceStartOfDay() / 1000.0, 2.0);
        return;
    }
    ADD_FAILURE() << "the clock never held still for a reading";
}

} // namespace
