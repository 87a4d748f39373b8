// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/build_urls.h"
#include "update/download_format.h"
#include "update/server_text.h"
#include "update/web_launch.h"
#include "update_test_support.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

TEST(DataSizeText, PicksTheUnitAndDecimals)
{
    struct Case {
        double bytes;
        const char *expected;
    };
    const Case cases[] = {
        {0, "0 bytes"},
        {999, "999 bytes"},
        {1000, "1.0 KB"},
        {1536, "1.5 KB"},
        {1023999, "1000.0 KB"}, // no thousands separator inside a size
        {1024000, "0.98 MB"},
        {1572864, "1.5 MB"},
        {2097152, "2.0 MB"},
        {34603008, "33.0 MB"},
        {1023999999, "976.56 MB"},
        {1024000000, "0.95 GB"},
        {5368709120.0, "5.0 GB"}, // beyond 32 bits
        {-1, ""},
        {std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(dataSizeText(c.bytes, kEnglish), QString::fromLatin1(c.expected)) << c.bytes;
    EXPECT_EQ(dataSizeText(1536, QLocale(QLocale::German)), QStringLiteral("1,5 KB"));
}

TEST(DurationText, SplitsIntoTheLargestUnits)
{
    struct Case {
        double seconds;
        const char *expected;
    };
    const Case cases[] = {
        {0, "0 sec"},
        {59.4, "59 sec"},
        {59.6, "1 min 0 sec"},
        {61, "1 min 1 sec"},
        {119.6, "2 min 0 sec"},
        {3599.4, "59 min 59 sec"},
        {3600, "1 hr 0 min"},
        {7199, "2 hr 0 min"},
        {90061, "25 hr 1 min"},
        {4000000, "1111 hr 7 min"},
        {-0.5, ""},
        {std::numeric_limits<double>::infinity(), ""},
        {std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(durationText(c.seconds, kEnglish), QString::fromLatin1(c.expected)) << c.seconds;
}

TEST(PathParts, SplitsAtTheLastSeparator)
{
    struct Case {
        const char *path;
        bool returnFile;
        bool isUrl;
        const char *expected;
    };
    const Case cases[] = {
        {"C:\\a\\b.exe", true, false, "b.exe"},
        {"C:\\a\\b.exe", false, false, "C:\\a\\"},
        {"/opt/horalux/hupdate", true, false, "hupdate"},
        {"/opt/horalux/hupdate", false, false, "/opt/horalux/"},
        {"http://h.test/updates/x.exe", false, true, "http://h.test/updates/"},
        {"http://h.test/updates/x.exe", true, true, "x.exe"},
        {"http://h.test/a\\b", true, true, "a\\b"},                              // a URL splits at "/" only
        {"https://h.test:8443/updates/x.exe?from=a/b#c/d", true, true, "x.exe"}, // not in its query or fragment
        {"https://h.test:8443/updates/x.exe?from=a/b#c/d", false, true, "https://h.test:8443/updates/"},
        {"plain", true, false, "plain"},
        {"plain", false, true, ""},
        {"", true, true, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.returnFile ? fileNameOf(QString::fromLatin1(c.path), c.isUrl ? PathKind::Url : PathKind::Local)
                               : folderOf(QString::fromLatin1(c.path), c.isUrl ? PathKind::Url : PathKind::Local),
                  QString::fromLatin1(c.expected))
            << c.path << ' ' << c.returnFile << ' ' << c.isUrl;
}

TEST(ShownFolder, ShortensFromThirtyThreeCharacters)
{
    const QString of32 = QStringLiteral("http://a.test/") + QString(17, QLatin1Char('x')) + QLatin1Char('/');
    ASSERT_EQ(of32.size(), 32);
    EXPECT_EQ(shownFolder(of32), of32);
    const QString of33 = of32 + QLatin1Char('y');
    EXPECT_EQ(shownFolder(of33), QStringLiteral("...") + of33.left(30));
}

TEST(TransferProgress, ReckonsRateAndTimeLeft)
{
    const auto quarter = transferProgress(10240, 40960, 2000, QStringLiteral("hupdate"), kEnglish);
    ASSERT_TRUE(quarter);
    EXPECT_EQ(quarter->progressText,
              QStringLiteral("Estimated Time Left: 6 sec (10.0 KB of 40.0 KB copied)\r\rTransfer Rate: 5.0 KB/Sec"));
    EXPECT_EQ(quarter->caption, QStringLiteral("25% of hupdate Completed"));

    // Sizes past 32 bits, and a rate with a thousands separator.
    const qint64 gb = 1073741824;
    const auto half = transferProgress(3 * gb, 6 * gb, 1'000'000, QStringLiteral("big"), kEnglish);
    ASSERT_TRUE(half);
    EXPECT_EQ(half->progressText,
              QStringLiteral("Estimated Time Left: 16 min 40 sec (3.0 GB of 6.0 GB copied)\r\r"
                             "Transfer Rate: 3,145.7 KB/Sec"));
    EXPECT_EQ(half->caption, QStringLiteral("50% of big Completed"));

    const auto unknown = transferProgress(1024, -1, 1000, QStringLiteral("f"), kEnglish);
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->progressText,
              QStringLiteral("Estimated Time Left: unknown (1.0 KB copied)\r\rTransfer Rate: 1.0 KB/Sec"));
    EXPECT_TRUE(unknown->caption.isEmpty());

    // Six seconds left: promised with seven allowed, not with five.
    for (const qint64 allowedMs : {7000, 5000}) {
        const auto limited = transferProgress(10240, 40960, 2000, QStringLiteral("hupdate"), kEnglish, allowedMs);
        ASSERT_TRUE(limited);
        EXPECT_EQ(limited->progressText.startsWith(QLatin1String("Estimated Time Left: 6 sec")), allowedMs == 7000)
            << qPrintable(limited->progressText);
        EXPECT_EQ(limited->caption, QStringLiteral("25% of hupdate Completed"));
    }
}

TEST(TransferProgress, EachUnitAndTimeIsLookedUpWhenShown)
{
    const BracketTranslation brackets;
    const std::pair<QString, const char *> cases[] = {
        {dataSizeText(1, kEnglish), "[1 bytes]"},
        {dataSizeText(1536, kEnglish), "[1.5 KB]"},
        {dataSizeText(1572864, kEnglish), "[1.5 MB]"},
        {dataSizeText(5368709120.0, kEnglish), "[5.0 GB]"},
        {durationText(59, kEnglish), "[59 sec]"},
        {durationText(62, kEnglish), "[1 min 2 sec]"},
        {durationText(3720, kEnglish), "[1 hr 2 min]"},
        {transferProgress(1024, -1, 1000, QStringLiteral("f"), kEnglish)->progressText,
         "[Estimated Time Left: unknown ([1.0 KB] copied)]\r\r[Transfer Rate: 1.0 KB/Sec]"},
        {transferProgress(10240, 40960, 2000, QStringLiteral("f"), kEnglish)->progressText,
         "[Estimated Time Left: [6 sec] ([10.0 KB] of [40.0 KB] copied)]\r\r[Transfer Rate: 5.0 KB/Sec]"},
        {transferProgress(10240, 40960, 2000, QStringLiteral("f"), kEnglish)->caption, "[25% of f Completed]"},
    };
    for (const auto &[shown, expected] : cases)
        EXPECT_EQ(shown, QString::fromLatin1(expected));
}

TEST(TransferProgress, NeverDividesByZero)
{
    EXPECT_FALSE(transferProgress(1024, 4096, 0, QStringLiteral("f")));
    EXPECT_FALSE(transferProgress(1024, 4096, -5, QStringLiteral("f")));
    EXPECT_FALSE(transferProgress(0, 4096, 1000, QStringLiteral("f")));
}

TEST(BuildUrls, HostIsShownWithoutSchemeButWithPort)
{
    EXPECT_EQ(build_urls::hostOf(QStringLiteral("http://www.horalux.invalid")), QStringLiteral("www.horalux.invalid"));
    EXPECT_EQ(build_urls::hostOf(QStringLiteral("https://web.test:8443")), QStringLiteral("web.test:8443"));
    for (const QString &url : {build_urls::downloadServer(), build_urls::webSite()}) {
        EXPECT_TRUE(url.startsWith(QLatin1String("http://")) || url.startsWith(QLatin1String("https://")))
            << url.toStdString();
        EXPECT_FALSE(url.endsWith(QLatin1Char('/'))) << url.toStdString();
    }
}

TEST(HomePage, AddressEndsInTheVersionDigits)
{
    EXPECT_EQ(homePageAddress(QStringLiteral("http://web.test"), ProgramVersion {2, 3, 11}),
              QStringLiteral("http://web.test/horalux/index.html?DirectConnection_via_Horalux2311"));
    EXPECT_TRUE(homePageAddress(QStringLiteral("http://web.test"), ProgramVersion {1, 0, 7})
                    .endsWith(QLatin1String("DirectConnection_via_Horalux107")));
}

TEST(ShownServerText, NothingThatBreaksOrTurnsALine)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("1.2.4"), QStringLiteral("1.2.4")},
        {QStringLiteral("a\u2028b\u2029c"), QStringLiteral("abc")},                     // Zl, Zp
        {QStringLiteral("\u202e3.2.1\u202c\u200f\u2066"), QStringLiteral("3.2.1")},     // Cf: bidi
        {QStringLiteral("a\u00adb\ufeffc\u200bd"), QStringLiteral("abcd")},             // Cf: soft hyphen, BOM, ZWSP
        {QStringLiteral("a\r\nb\tc\x1b[2Jd\u0085e\u007f"), QStringLiteral("abc[2Jde")}, // Cc
        {QStringLiteral("x") + QString::fromUcs4(U"\U000E0041\U0001F600"),
         QStringLiteral("x") + QString::fromUcs4(U"\U0001F600")},
        {QStringLiteral("Grüße, 東京 <b>"), QStringLiteral("Grüße, 東京 <b>")},
        {QString(), QString()},
    };
    for (const auto &[text, shown] : cases)
        EXPECT_EQ(shownServerText(text), shown) << text.toStdString();
}

} // namespace
