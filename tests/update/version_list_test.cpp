// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/version_list.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(VersionFromList, ReadsThisProgramsEntry)
{
    struct Case {
        const char *list;
        const char *expected;
    };
    const Case cases[] = {
        {"horalux:1.2.7:", "1.2.7"},
        {"clockpro:9.9:\r\nHORALUX:1.2.4:\r\nother:3:", "1.2.4"},
        {"news\r\nhoralux:1.2.4", "1.2.4"},       // unclosed at the end: nothing lost
        {"horalux:1.2.4\r\nother:5.0:", "1.2.4"}, // ends at the line
        {"horalux:1.2.4\nother:5.0:", "1.2.4"},
        {"horalux:  1.2.4 \t:", "1.2.4"},
        {"horaluxpro:2.0:", "2.0"}, // a longer word matches too
        {"horalux version follows: 1.3 :", "1.3"},
        {"horalux:2.0 beta:", "2.0 beta"},
        {"horalux", ""},
        {"horalux:", ""},
        {"horalux::1.2:", ""},
        {"", ""},
        {"nothing for us here: 1.0:", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(versionFromList(QString::fromLatin1(c.list)), QString::fromLatin1(c.expected)) << c.list;
}

TEST(IsNewerVersion, ComparesNumberByNumber)
{
    struct Case {
        ProgramVersion running;
        const char *listed;
        bool newer;
    };
    const Case cases[] = {
        {{1, 0, 7}, "1.0.7", false},      {{1, 0, 9}, "1.0.10", true},     {{1, 0, 10}, "1.0.9", false},
        {{1, 2, 3}, "1.3", true},         {{1, 2, 3}, "1.2", false},       {{1, 2, 0}, "1.2", false},
        {{1, 0, 0}, "1.0.0.0", false},    {{1, 2, 3}, "1.2.3.1", true},    {{1, 9, 9}, "10.0.0", true},
        {{1, 0, 0}, "2.0 beta", false},   {{1, 0, 0}, "beta 2", false},    {{1, 0, 0}, "", false},
        {{1, 0, 0}, "2.0.0.0", true},     {{1, 0, 0}, "2.0.0.0.0", false}, {{1, 0, 0}, "999999999", true},
        {{1, 0, 0}, "1000000000", false}, {{1, 0, 0}, "2..0", false},      {{1, 0, 0}, " 2.0", false},
        {{1, 0, 0}, "+2", false},         {{1, 0, 0}, "2.", false},        {{1, 0, 0}, "\xd9\xa2", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(isNewerVersion(QString::fromUtf8(c.listed), c.running), c.newer)
            << c.running.dotted().toStdString() << " against " << c.listed;
}

TEST(IsSameVersion, SameNumbersOnly)
{
    const std::tuple<const char *, const char *, bool> cases[] = {
        {"1.2.4", "1.2.4", true},  {"1.2.4", "1.2.4.0", true}, {"1.2", "1.2.0", true}, {"01.2.4", "1.2.4", true},
        {"1.2.4", "1.2.5", false}, {"1.2.4", "1.2", false},    {"1.2.4", "", false},   {"", "", false},
        {"x", "x", false},         {"1.2.4 ", "1.2.4", false},
    };
    for (const auto &[one, other, same] : cases)
        EXPECT_EQ(isSameVersion(QString::fromLatin1(one), QString::fromLatin1(other)), same) << one << " / " << other;
}

TEST(LastCheckDate, RoundTripsInEveryLocale)
{
    const QDate day(2026, 12, 7);
    struct Case {
        QLocale locale;
        const char *expected; // null: the locale's own text, checked by the round trip
    };
    const Case cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "2026-12-07"}, // M/d/yy loses the century
        {QLocale(QLocale::German, QLocale::Germany), "2026-12-07"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "07/12/2026"},
        {QLocale(QLocale::Swedish, QLocale::Sweden), nullptr},
        {QLocale(QLocale::Japanese, QLocale::Japan), nullptr},
        {QLocale::c(), nullptr},
    };
    for (const Case &c : cases) {
        const QString text = lastCheckDateText(day, c.locale);
        if (c.expected) {
            EXPECT_EQ(text, QString::fromLatin1(c.expected)) << c.locale.name().toStdString();
        }
        EXPECT_EQ(lastCheckDateFromText(text, c.locale), day)
            << c.locale.name().toStdString() << ": " << text.toStdString();
        // A date stored under another locale still reads when it is unambiguous.
        EXPECT_EQ(lastCheckDateFromText(day.toString(Qt::ISODate), c.locale), day) << c.locale.name().toStdString();
    }
}

TEST(LastCheckDate, TextThatIsNoDateIsInvalid)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    for (const char *text : {"", "yesterday", "12/7/26", "2026-13-40", "07/12/2026x"})
        EXPECT_FALSE(lastCheckDateFromText(QString::fromLatin1(text), us).isValid()) << text;
}

TEST(UpdateOffer, TextIsWordForWord)
{
    EXPECT_EQ(updateOfferText(ProgramVersion {1, 0, 9}, QStringLiteral("1.2.4"), QStringLiteral("www.web.test")),
              QStringLiteral("There is a new version of Horalux available.\r\n"
                             "You have version 1.0.9, and the new version number\r\n"
                             "is 1.2.4. Do you want me to download it now for you?\r\n"
                             "\r\n"
                             "WARNING: if this update stops your clock from working, then please\r\n"
                             "go along to www.web.test/horalux and download\r\n"
                             "the latest FULL VERSION (not update) from there"));
}

} // namespace
