// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/clock_format.h"
#include "engine/clock_state.h"
#include "engine/daylight_saving.h"
#include "engine/local_zone.h"
#include "engine/scenery.h"
#include "engine/zone_time.h"

#include "fake_platform.h"

#include <gtest/gtest.h>

namespace {

TEST(DaylightSaving, ChangeDaysStartTheSearchAtThe24th)
{
    // 2024: 24 March and 27 October are Sundays; 2026: 29 March and 25 October;
    // 2030: 24 March is a Sunday again (and 27 October).
    EXPECT_EQ(daylight_saving::changeDay(2024, 3), QDate(2024, 3, 24));
    EXPECT_EQ(daylight_saving::changeDay(2024, 10), QDate(2024, 10, 27));
    EXPECT_EQ(daylight_saving::changeDay(2026, 3), QDate(2026, 3, 29));
    EXPECT_EQ(daylight_saving::changeDay(2026, 10), QDate(2026, 10, 25));
    EXPECT_EQ(daylight_saving::changeDay(2030, 3), QDate(2030, 3, 24));
    // 2027: 24 October is a Sunday, so the period ends on the 24th, not the 31st.
    EXPECT_EQ(daylight_saving::changeDay(2027, 10), QDate(2027, 10, 24));
    // 2029: no Sunday from the 24th to the 27th.
    EXPECT_EQ(daylight_saving::changeDay(2029, 10), QDate(2029, 10, 28));
}

TEST(DaylightSaving, PeriodByLocalDate)
{
    const struct {
        QDate date;
        bool inForce;
    } cases[] = {
        {QDate(2024, 3, 23), false},  {QDate(2024, 3, 24), true}, // 24th is the Sunday
        {QDate(2024, 3, 31), true},   {QDate(2026, 3, 28), false},  {QDate(2026, 3, 29), true},
        {QDate(2026, 4, 1), true},    {QDate(2026, 9, 30), true},   {QDate(2026, 10, 24), true},
        {QDate(2026, 10, 25), false}, {QDate(2026, 10, 31), false}, {QDate(2024, 10, 26), true},
        {QDate(2024, 10, 27), false}, {QDate(2026, 11, 1), false},  {QDate(2026, 12, 7), false},
        {QDate(2026, 1, 15), false},  {QDate(2026, 2, 28), false},  {QDate(2026, 3, 1), false},
        {QDate(2027, 10, 23), true},  {QDate(2027, 10, 24), false}, {QDate(2027, 10, 30), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(daylight_saving::inForce(c.date), c.inForce) << c.date.toString(Qt::ISODate).toStdString();
}

TEST(ClockFormat, DayOrdinalsAndLeadingZero)
{
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    const struct {
        int day;
        const char *text;
    } cases[] = {{1, "01st"},  {2, "02nd"},  {3, "03rd"},  {4, "04th"},  {11, "11th"}, {12, "12th"}, {13, "13th"},
                 {21, "21st"}, {22, "22nd"}, {23, "23rd"}, {24, "24th"}, {30, "30th"}, {31, "31st"}};
    for (const auto &c : cases) {
        const QString date = clock_format::zoneDate(QDate(2026, 12, c.day), english);
        EXPECT_EQ(date, QString::fromLatin1(c.text) + QStringLiteral(" December 2026")) << c.day;
    }
    EXPECT_EQ(clock_format::zoneDate(QDate(2027, 3, 21), english), QStringLiteral("21st March 2027"));
}

// English keeps the ordinal; every other language writes day, month and year
// its own way, without the weekday of its long format.
TEST(ClockFormat, OtherLanguagesWriteTheDateTheirOwnWay)
{
    const struct {
        const char *locale;
        const char *text;
    } cases[] = {
        {"en_GB", "07th December 2026"}, {"en_US", "07th December 2026"},
        {"C", "07th December 2026"},     {"de_DE", "7. Dezember 2026"},
        {"fr_FR", "7 décembre 2026"},    {"es_ES", "7 de diciembre de 2026"},
        {"pl_PL", "7 grudnia 2026"},     {"ja_JP", "2026年12月7日"},
        {"zh_TW", "2026年12月7日"},      {"da_DK", "7. december 2026"},
        {"tr_TR", "7 Aralık 2026"},      {"hu_HU", "2026. december 7."},
        {"th_TH", "7 ธันวาคม 2026"},      {"mn_MN", "2026 оны арван хоёрдугаар сарын 7"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(clock_format::zoneDate(QDate(2026, 12, 7), QLocale(QLatin1String(c.locale))),
                  QString::fromUtf8(c.text))
            << c.locale;
}

TEST(ClockFormat, TwelveAndTwentyFourHourClocks)
{
    const struct {
        QTime time;
        const char *twelve;
        const char *twentyFour;
    } cases[] = {
        {QTime(0, 0, 0), "12:00:00 am", "00:00:00"},    {QTime(12, 0, 0), "12:00:00 pm", "12:00:00"},
        {QTime(19, 5, 9), "7:05:09 pm", "19:05:09"},    {QTime(7, 5, 9), "7:05:09 am", "07:05:09"},
        {QTime(11, 59, 59), "11:59:59 am", "11:59:59"}, {QTime(23, 59, 59), "11:59:59 pm", "23:59:59"},
        {QTime(0, 30, 0), "12:30:00 am", "00:30:00"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(clock_format::zoneTime(c.time, false), QString::fromLatin1(c.twelve));
        EXPECT_EQ(clock_format::zoneTime(c.time, true), QString::fromLatin1(c.twentyFour));
    }
}

TEST(ZoneOffset, CustomTextCountsToTheMinuteOnTheFixedClock)
{
    const struct {
        const char *text;
        int seconds;
    } cases[] = {
        {"0", 0},         {"+1", 3600},     {"-7", -25200},  {" 3 ", 10800},  {"5.5", 19800}, {"5.75", 20700},
        {"-3.5", -12600}, {"12.75", 45900}, {"5:45", 20700}, {"-12", -43200}, {"", 0},        {"abc", 0},
        {"5h", 0},        {"1e400", 0},     {"nan", 0},      {"100", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ZoneOffset::fromText(QString::fromLatin1(c.text)).fixedSeconds(), c.seconds) << '"' << c.text << '"';
    EXPECT_EQ(ZoneOffset::fromHours(-8).fixedSeconds(), -8 * 3600);
}

TEST(LocalZone, CorrectionIsTheLocalOffsetToTheSecond)
{
    const struct {
        qint32 seconds;
        double correction;
    } cases[] = {
        {3600, -1},     {-5 * 3600, 5}, {19800, -5.5},    {-12600, 3.5},   {0, 0},
        {20700, -5.75}, {-1800, 0.5},   {13 * 3600, -13}, {45900, -12.75},
    };
    for (const auto &c : cases) {
        const double correction = localCorrection(c.seconds);
        EXPECT_EQ(correction, c.correction) << c.seconds;
        EXPECT_FALSE(std::signbit(correction) && correction == 0) << "negative zero";
    }
}

TEST(LocalZone, OffsetFromTheTimeZoneInformation)
{
    using platform::UtcOffset;
    FakeTimeZoneInfo tz;
    tz.offset = UtcOffset {3600, false}; // Central Europe, winter
    EXPECT_EQ(machineGmtOffset(tz), 3600);
    tz.offset = UtcOffset {7200, true};
    EXPECT_EQ(machineGmtOffset(tz), 7200);
    tz.offset = UtcOffset {19800, false}; // India: no daylight saving
    EXPECT_EQ(machineGmtOffset(tz), 19800);
    tz.offset = UtcOffset {-12600, false}; // Newfoundland
    EXPECT_EQ(machineGmtOffset(tz), -12600);
    tz.offset.reset(); // the zone cannot be read
    EXPECT_EQ(machineGmtOffset(tz), 0);
}

TEST(ZoneTime, ShiftsAcrossDayAndYearBoundaries)
{
    const QDateTime local(QDate(2026, 12, 31), QTime(11, 0, 0), Qt::UTC);
    // Local zone at +1 (localToGmtHours -1), zone at +12: 10:00 GMT + 12 = 22:00 the same day.
    EXPECT_EQ(zoneWallTime(local, -1, 12 * 3600), QDateTime(QDate(2026, 12, 31), QTime(22, 0), Qt::UTC));
    // Zone at +13 (+12 with daylight saving): 23:00 GMT on 31 Dec is 12:00 on 1 Jan.
    EXPECT_EQ(zoneWallTime(QDateTime(QDate(2026, 12, 31), QTime(23, 0), Qt::UTC), 0, 13 * 3600),
              QDateTime(QDate(2027, 1, 1), QTime(12, 0), Qt::UTC));
    // Just past local midnight at +5:30 (localToGmtHours -5.5), Pacific -8: back into the previous day.
    EXPECT_EQ(zoneWallTime(QDateTime(QDate(2027, 1, 1), QTime(0, 10), Qt::UTC), -5.5, -8 * 3600),
              QDateTime(QDate(2026, 12, 31), QTime(10, 40), Qt::UTC));
}

TEST(Scenery, WindowsIncludeTheirStartAndExcludeTheirEnd)
{
    const struct {
        QTime time;
        const char *picture;
        bool nightColours;
    } cases[] = {
        {QTime(0, 0, 0), "nighttime.bmp", true},  {QTime(4, 59, 59), "nighttime.bmp", true},
        {QTime(5, 0, 0), "night.bmp", false},     {QTime(6, 59, 59), "night.bmp", false},
        {QTime(7, 0, 0), "eve.bmp", false},       {QTime(8, 0, 0), "day.bmp", false},
        {QTime(18, 59, 59), "day.bmp", false},    {QTime(19, 0, 0), "eve.bmp", false},
        {QTime(21, 0, 0), "night.bmp", false},    {QTime(22, 59, 59), "night.bmp", false},
        {QTime(23, 0, 0), "nighttime.bmp", true}, {QTime(23, 59, 59), "nighttime.bmp", true},
    };
    for (const auto &c : cases) {
        const SceneryRow &row = scenery::forTimeOfDay(c.time);
        EXPECT_STREQ(row.picture, c.picture) << c.time.toString().toStdString();
        EXPECT_EQ(row.colours.has_value(), c.nightColours) << c.time.toString().toStdString();
        if (row.colours) {
            EXPECT_EQ(row.colours->local, 0x00FFFFFFu);
            EXPECT_EQ(row.colours->time, 0x0000FFFFu);
            EXPECT_EQ(row.colours->zone, 0x00FFFFFFu);
        }
    }
}

} // namespace
