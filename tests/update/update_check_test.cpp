// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/update_check.h"

#include "http/curl_http.h"
#include "http/ed25519_check.h"
#include "platform/real/qt_event_pump.h"
#include "raw_http_server.h"
#include "settingsstore/settings_store.h"
#include "update/version_list.h"
#include "update_signing.h"
#include "update_test_support.h"

#include "fake_message_boxes.h"
#include "fake_platform.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

namespace {

using Answer = platform::MessageBoxes::Answer;
const QDate kToday(2026, 12, 7);
const QLocale kBritish(QLocale::English, QLocale::UnitedKingdom);
const QString kNotice = QStringLiteral(
    "Horalux is about to check with Veltrane to see whether there is an update available. If you are using a "
    "FireWall, then you may be asked to grant permission to Horalux to access the Internet. Please select YES and "
    "allow the rule, if you don`t do this, then Horalux won`t be able to update itself!");

// One clock's update check against the staged server.
struct CheckWorld {
    explicit CheckWorld(const QString &server, ProgramVersion running = {1, 0, 9},
                        platform::SettingsStore *store = nullptr, bool offersDownload = true,
                        const VersionListTrust &trust = {})
        : services {fake.clock,     fake.ticks,   fake.loop,    fake.timeZone,  store ? *store : fake.settings,
                    fake.autostart, fake.desktop, fake.network, fake.processes, fake.sound},
          check {services, messages, http,
                 UpdateCheckSetup {server, QStringLiteral("http://www.web.test"), running, kBritish, offersDownload,
                                   trust}}
    {
        check.downloadUpdate = [this](const QString &version) {
            ++downloads;
            downloadedVersion = version;
        };
        check.openHomePage = [this] { ++homePages; };
    }
    QString setting(const QString &section, const QString &key) const
    {
        return services.settings.GetSetting(QStringLiteral("Horalux"), section, key, QStringLiteral("<none>"));
    }
    void storeLastCheck(const QString &text)
    {
        services.settings.SaveSetting(QStringLiteral("Horalux"), QStringLiteral("data"),
                                      QStringLiteral("lastupdatecheck"), text);
    }
    void storeLastCheck(const QDate &date) { storeLastCheck(lastCheckDateText(date, kBritish)); }
    void nextDay() { fake.clock.setNow(fake.clock.localWallTime().date().addDays(1), QTime(9, 0)); }
    std::vector<FakeMessageBoxes::Shown> offers() const
    {
        std::vector<FakeMessageBoxes::Shown> found;
        for (const auto &box : messages.shown)
            if (box.title == QLatin1String("NewVersion"))
                found.push_back(box);
        return found;
    }

    FakePlatform fake;
    platform::Services services;
    FakeMessageBoxes messages;
    platform::QtEventPump events;
    platform::CurlHttp http {events};
    UpdateChecker check;
    int downloads = 0;
    QString downloadedVersion; // the version the last download was asked for
    int homePages = 0;
};

// Messages of the update's logging category, while it lives.
class UpdateLogCapture {
public:
    UpdateLogCapture()
    {
        s_lines.clear();
        m_previous = qInstallMessageHandler(&UpdateLogCapture::take);
    }
    ~UpdateLogCapture() { qInstallMessageHandler(m_previous); }
    static QStringList lines() { return s_lines; }

private:
    static void take(QtMsgType, const QMessageLogContext &context, const QString &message)
    {
        if (QByteArray(context.category).startsWith("horalux.update"))
            s_lines << message;
    }
    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};

class UpdateCheckTest : public ::testing::Test {
protected:
    RawHttpServer server;
};

TEST_F(UpdateCheckTest, ABuildThatDoesNotUpdateItselfOffersTheHomePage)
{
    server.stage(QStringLiteral("/versions.txt"), okReply("horalux:1.2.4:"));
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        CheckWorld world(server.base(), {1, 0, 9}, nullptr, false);
        world.storeLastCheck(kToday.addDays(-1));
        world.messages.answers = {Answer::Ok, answer};
        world.check.checkForUpdates();
        const auto offers = world.offers();
        ASSERT_EQ(offers.size(), 1u);
        EXPECT_EQ(offers[0].text, homePageOfferText({1, 0, 9}, QStringLiteral("1.2.4")));
        EXPECT_TRUE(offers[0].text.startsWith(QStringLiteral("There is a new version of Horalux available.\r\n")));
        EXPECT_FALSE(offers[0].text.contains(QStringLiteral("download"))) << "nothing is downloaded";
        EXPECT_EQ(world.homePages, answer == Answer::Yes ? 1 : 0);
        EXPECT_EQ(world.downloads, 0);
        EXPECT_EQ(world.setting(QStringLiteral("version"), QStringLiteral("1.2.4")), QStringLiteral("1"));
    }
}

TEST_F(UpdateCheckTest, AFailedCheckIsLoggedOnceWithItsCauseAndTheNormalPathNotAtAll)
{
    server.stage(QStringLiteral("/versions.txt"), okReply("horalux:1.0.9:"));
    server.stage(QStringLiteral("/gone/versions.txt"), statusReply(404, "Not Found", "<p>gone</p>"));
    server.stage(QStringLiteral("/other/versions.txt"), okReply("clockwork:2.0.0:"));
    struct Case {
        QString base;
        QString cause; // empty: nothing logged
    };
    const Case cases[] = {
        {server.base(), QString()},
        {server.base() + QStringLiteral("/gone"), QStringLiteral("404")},
        {server.base() + QStringLiteral("/other"), QStringLiteral("no entry")},
        {QStringLiteral("http://127.0.0.1:%1").arg(closedPort()), QStringLiteral("no whole answer")},
    };
    for (const Case &c : cases) {
        CheckWorld world(c.base);
        world.storeLastCheck(kToday.addDays(-1));
        UpdateLogCapture log;
        world.check.checkForUpdates();
        if (c.cause.isEmpty()) {
            EXPECT_TRUE(log.lines().isEmpty()) << qPrintable(c.base + log.lines().join(QLatin1Char('|')));
        } else {
            ASSERT_EQ(log.lines().size(), 1) << qPrintable(c.base + log.lines().join(QLatin1Char('|')));
            EXPECT_TRUE(log.lines()[0].contains(c.cause)) << qPrintable(log.lines()[0]);
        }
    }
}

TEST_F(UpdateCheckTest, TheFirstRunOnlyRecordsTheDay)
{
    server.stage(QStringLiteral("/versions.txt"), okReply("horalux:9.0.0:"));
    CheckWorld world(server.base());
    world.check.checkForUpdates();
    EXPECT_TRUE(server.requestedPaths.isEmpty());
    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_EQ(world.setting(QStringLiteral("data"), QStringLiteral("lastupdatecheck")), QStringLiteral("07/12/2026"));
}

TEST_F(UpdateCheckTest, TheNoticeComesOnceBeforeTheFirstFetch)
{
    server.stage(QStringLiteral("/versions.txt"), okReply("horalux:1.0.9:"));
    CheckWorld world(server.base());
    world.storeLastCheck(kToday.addDays(-1));
    world.messages.whileShown = [&] { EXPECT_TRUE(server.requestedPaths.isEmpty()) << "notice before any access"; };
    world.check.checkForUpdates();
    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0].text, kNotice);
    EXPECT_EQ(world.messages.shown[0].title, QStringLiteral("Internet access beginning."));
    EXPECT_EQ(world.messages.shown[0].icon, platform::MessageBoxes::Icon::Information);
    EXPECT_EQ(world.setting(QStringLiteral("data"), QStringLiteral("check")), QStringLiteral("True"));
    EXPECT_EQ(server.requestedPaths, QStringList {QStringLiteral("/versions.txt")});
    EXPECT_EQ(world.check.lastVersionList(), QStringLiteral("horalux:1.0.9:"));
    EXPECT_EQ(world.setting(QStringLiteral("data"), QStringLiteral("lastupdatecheck")), QStringLiteral("07/12/2026"));

    world.messages.whileShown = nullptr;
    world.nextDay();
    world.check.checkForUpdates();
    EXPECT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(server.requestedPaths.size(), 2);
}

TEST_F(UpdateCheckTest, TheNoticeAndTheOfferAreLookedUpWhenShown)
{
    const BracketTranslation brackets;
    server.stage(QStringLiteral("/versions.txt"), okReply("horalux:1.2.4:"));
    for (const bool offersDownload : {true, false}) {
        CheckWorld world(server.base(), {1, 0, 9}, nullptr, offersDownload);
        world.storeLastCheck(kToday.addDays(-1));
        world.check.checkForUpdates();
        ASSERT_EQ(world.messages.shown.size(), 2u);
        EXPECT_EQ(world.messages.shown[0].text, QLatin1Char('[') + kNotice + QLatin1Char(']'));
        EXPECT_EQ(world.messages.shown[0].title, QStringLiteral("[Internet access beginning.]"));
        EXPECT_EQ(world.messages.shown[1].title, QStringLiteral("[NewVersion]"));
        const QString offer = world.messages.shown[1].text;
        EXPECT_TRUE(isBracketed(offer)
                    && offer.contains(QStringLiteral("version 1.0.9, and the new version number\r\nis 1.2.4.")))
            << offer.toStdString();
    }
}

TEST_F(UpdateCheckTest, NoFetchOnTheDayOfTheLastCheckOrWithADateThatIsNoPastDay)
{
    server.stage(QStringLiteral("/versions.txt"), okReply("horalux:9.0.0:"));
    for (const QString &stored : {lastCheckDateText(kToday, kBritish), lastCheckDateText(kToday.addDays(1), kBritish),
                                  QStringLiteral("not a date"), QStringLiteral("12/7/26")}) {
        CheckWorld world(server.base());
        world.storeLastCheck(stored);
        world.check.checkForUpdates();
        EXPECT_TRUE(world.messages.shown.empty()) << stored.toStdString();
        EXPECT_EQ(world.setting(QStringLiteral("data"), QStringLiteral("lastupdatecheck")),
                  QStringLiteral("07/12/2026"))
            << stored.toStdString();
    }
    EXPECT_TRUE(server.requestedPaths.isEmpty());
}

TEST_F(UpdateCheckTest, OnlyANewerVersionIsOffered)
{
    struct Case {
        ProgramVersion running;
        StagedReply list;
        const char *offered; // null: no offer
    };
    const QByteArray tooFar = QByteArray(70 * 1024, ' ') + "horalux:9.9.9:";
    const auto after = [](const QByteArray &interim, StagedReply reply) {
        reply.head.prepend(interim);
        return reply;
    };
    const QByteArray earlyHints = "HTTP/1.1 103 Early Hints\r\nLink: </list.css>; rel=preload\r\n\r\n";
    const Case cases[] = {
        {{1, 0, 7}, okReply("horalux:1.0.7:"), nullptr},
        {{1, 0, 9}, okReply("horalux:1.0.10:"), "1.0.10"},
        {{1, 2, 3}, okReply("horalux:1.3:"), "1.3"},
        {{1, 2, 3}, okReply("horalux:1.2.2:"), nullptr},
        {{1, 0, 9}, okReply("clock:9.0:\r\nHORALUX:1.2.4:\r\n"), "1.2.4"},
        {{1, 0, 9}, okReply("news\r\nhoralux:1.2.4"), "1.2.4"},
        {{1, 0, 9}, okReply("nothing for us"), nullptr},
        {{1, 0, 9}, okReply("horalux:"), nullptr},
        {{1, 0, 9}, okReply(tooFar), nullptr},
        {{1, 0, 9}, okReply("horalux:2.0:" + QByteArray(1 << 20, '.')), "2.0"},
        {{1, 0, 9}, statusReply(404, "Not Found", "<p>horalux:2.1:</p>"), nullptr}, // only a 200 is a list
        {{1, 0, 9}, statusReply(302, "Found", "<p>horalux:2.1:</p>"), nullptr},     // and no Location to follow
        {{1, 0, 9}, after(earlyHints, okReply("horalux:2.2:")), "2.2"},
        {{1, 0, 9},
         after("HTTP/1.1 101 Switching Protocols\r\nUpgrade: h2c\r\n\r\n", okReply("horalux:2.3:")),
         nullptr},
    };
    for (const Case &c : cases) {
        server.stage(QStringLiteral("/versions.txt"), c.list);
        CheckWorld world(server.base(), c.running);
        world.storeLastCheck(kToday.addDays(-1));
        world.messages.answers = {Answer::Ok, Answer::No};
        world.check.checkForUpdates();
        const auto offers = world.offers();
        const std::string what = c.list.body.left(40).toStdString();
        if (!c.offered) {
            EXPECT_TRUE(offers.empty()) << what;
            EXPECT_EQ(world.setting(QStringLiteral("version"), QStringLiteral("1.0.7")), QStringLiteral("<none>"));
            continue;
        }
        ASSERT_EQ(offers.size(), 1u) << what;
        const QString version = QString::fromLatin1(c.offered);
        EXPECT_EQ(offers[0].text, updateOfferText(c.running, version, QStringLiteral("www.web.test"))) << what;
        EXPECT_EQ(offers[0].buttons, platform::MessageBoxes::Buttons::YesNo);
        EXPECT_EQ(offers[0].icon, platform::MessageBoxes::Icon::None);
        EXPECT_EQ(world.setting(QStringLiteral("version"), version), QStringLiteral("1")) << what;
    }
}

TEST_F(UpdateCheckTest, AVersionIsOfferedOnceWhateverTheAnswer)
{
    server.stage(QStringLiteral("/versions.txt"), okReply("horalux:1.2.4:"));
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        CheckWorld world(server.base(), {1, 2, 3});
        world.storeLastCheck(kToday.addDays(-1));
        world.messages.answers = {Answer::Ok, answer};
        world.check.checkForUpdates();
        EXPECT_EQ(world.offers().size(), 1u);
        EXPECT_EQ(world.downloads, answer == Answer::Yes ? 1 : 0);
        EXPECT_EQ(world.downloadedVersion, answer == Answer::Yes ? QStringLiteral("1.2.4") : QString())
            << "the download is of the version offered";

        world.nextDay();
        world.check.checkForUpdates();
        EXPECT_EQ(world.offers().size(), 1u) << "not again the next day";
        EXPECT_EQ(world.downloads, answer == Answer::Yes ? 1 : 0);

        for (const QByteArray respelled : {"1.02.4", "1.2.4.0", "01.2.04.00"}) {
            server.stage(QStringLiteral("/versions.txt"), okReply("horalux:" + respelled + ":"));
            world.nextDay();
            world.check.checkForUpdates();
            EXPECT_EQ(world.offers().size(), 1u) << respelled.constData() << ": the same numbers";
        }
        server.stage(QStringLiteral("/versions.txt"), okReply("horalux:1.2.4:"));
    }
}

TEST_F(UpdateCheckTest, WithThePublishersKeyOnlyASignedListStillValidAndNoOlderThanOneSeenOffers)
{
    TestSigner signer;
    TestSigner stranger;
    platform::Ed25519Check ed25519;
    const VersionListTrust trust {{signer.publicKey()}, &ed25519};
    const QByteArray list = "news\nhoralux:1.2.4:\n";
    const QByteArray current = signer.signList(list, QStringLiteral("20261201T000000Z"));
    struct Row {
        const char *what;
        QByteArray served;
        const char *logged; // null: offered
    };
    const Row rows[] = {
        {"signed and valid", current, nullptr},
        {"unsigned", list, "not signed"},
        {"signed by another key", stranger.signList(list, QStringLiteral("20261201T000000Z")), "does not verify"},
        {"its entry edited", QByteArray(current).replace("1.2.4", "1.2.5"), "does not verify"},
        {"expired the day before", signer.signList(list, QStringLiteral("20261106T120000Z"), 30), "valid until"},
    };
    for (const Row &row : rows) {
        server.stage(QStringLiteral("/versions.txt"), okReply(row.served));
        CheckWorld world(server.base(), {1, 0, 9}, nullptr, true, trust);
        world.storeLastCheck(kToday.addDays(-1));
        world.messages.answers = {Answer::Ok, Answer::No};
        UpdateLogCapture log;
        world.check.checkForUpdates();
        EXPECT_EQ(world.offers().size(), row.logged ? 0u : 1u) << row.what;
        EXPECT_EQ(log.lines().size(), row.logged ? 1 : 0)
            << row.what << ": " << qPrintable(log.lines().join(QLatin1Char('|')));
        if (row.logged && !log.lines().isEmpty()) {
            EXPECT_TRUE(log.lines()[0].contains(QLatin1String(row.logged))) << qPrintable(log.lines()[0]);
        }
    }

    // The newest list seen is kept: an older one offers nothing, even a newer version.
    CheckWorld world(server.base(), {1, 0, 9}, nullptr, true, trust);
    world.storeLastCheck(kToday.addDays(-1));
    world.messages.answers = {Answer::Ok, Answer::No};
    server.stage(QStringLiteral("/versions.txt"), okReply(current));
    world.check.checkForUpdates();
    EXPECT_EQ(world.setting(QStringLiteral("data"), QStringLiteral("versionlistdate")),
              QStringLiteral("20261201T000000Z"));
    EXPECT_EQ(world.setting(QStringLiteral("data"), QStringLiteral("versionlisted")), QStringLiteral("1.2.4"));
    server.stage(QStringLiteral("/versions.txt"),
                 okReply(signer.signList("horalux:1.3.0:\n", QStringLiteral("20261130T000000Z"))));
    world.nextDay();
    UpdateLogCapture log;
    world.check.checkForUpdates();
    EXPECT_EQ(world.offers().size(), 1u) << "the first list's offer only";
    ASSERT_EQ(log.lines().size(), 1);
    EXPECT_TRUE(log.lines()[0].contains(QLatin1String("older"))) << qPrintable(log.lines()[0]);
}

TEST_F(UpdateCheckTest, NothingHappensWhileAnUpdateDownloads)
{
    server.stage(QStringLiteral("/versions.txt"), okReply("horalux:9.0.0:"));
    CheckWorld world(server.base());
    world.storeLastCheck(QStringLiteral("01/12/2026"));
    world.check.isUpdating = [] { return true; };
    world.check.checkForUpdates();
    EXPECT_TRUE(server.requestedPaths.isEmpty());
    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_EQ(world.setting(QStringLiteral("data"), QStringLiteral("lastupdatecheck")), QStringLiteral("01/12/2026"));
}

TEST_F(UpdateCheckTest, AFailedFetchEndsTheCheckSilently)
{
    CheckWorld world(QStringLiteral("http://127.0.0.1:%1").arg(closedPort()));
    world.storeLastCheck(kToday.addDays(-1));
    world.check.checkForUpdates();
    EXPECT_EQ(world.messages.shown.size(), 1u) << "the notice only";
    EXPECT_TRUE(world.check.lastVersionList().isEmpty());
}

TEST_F(UpdateCheckTest, TheDailyCheckRemovesAnOldUpdateProgramFromTheProgramFolder)
{
    server.stage(QStringLiteral("/versions.txt"), okReply("horalux:1.0.9:"));
    QTemporaryDir program;
    QFile legacy(QDir(program.path()).filePath(QStringLiteral("hupdate")));
    ASSERT_TRUE(legacy.open(QIODevice::WriteOnly));
    legacy.close();
    CheckWorld world(server.base());
    world.fake.desktop.folder = program.path();
    world.check.checkForUpdates();
    EXPECT_TRUE(legacy.exists()) << "a day without a check touches nothing";
    world.nextDay();
    world.messages.answers = {Answer::Ok};
    world.check.checkForUpdates();
    EXPECT_FALSE(legacy.exists());
}

TEST_F(UpdateCheckTest, AVersionThatIsNotDigitsAndDotsIsNeitherOfferedNorStored)
{
    const QByteArray versions[] = {
        "3.0 [data] ontop=True;#\\x\"y",
        "1.2.4\xe2\x80\xa8Horalux has verified this update. Press Yes to continue safely.", // U+2028
        "\xe2\x80\xae"
        "3.2.1",         // U+202E
        "1.2\xc2\x85.4", // U+0085
        "2.0 beta",
        "1.2.3.4.5",
        "1234567890.0",
        "\xd9\xa2.\xd9\xa0", // digits of another script
        "+2.0",
        "2..0",
        "2.0.",
        QByteArray(3000, '9'),
    };
    for (const QByteArray &version : versions) {
        server.stage(QStringLiteral("/versions.txt"), okReply("horalux:" + version + ":"));
        QTemporaryDir config;
        settings::IniSettingsStore store(config.path());
        CheckWorld world(server.base(), {1, 0, 9}, &store);
        world.storeLastCheck(kToday.addDays(-1));
        UpdateLogCapture log;
        world.check.checkForUpdates();
        const std::string what = version.left(40).toStdString();
        EXPECT_TRUE(world.offers().empty()) << what;
        ASSERT_EQ(log.lines().size(), 1) << what;
        EXPECT_TRUE(log.lines()[0].contains(QStringLiteral("not digits and dots"))) << what;
        EXPECT_LT(log.lines()[0].size(), 200) << what;
        store.flush();
        qint64 stored = 0;
        for (QDirIterator file(config.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
             file.hasNext();)
            stored += QFileInfo(file.next()).size();
        EXPECT_GT(stored, 0) << what << ": the day of the check is stored";
        EXPECT_LT(stored, 1024) << what << ": nothing of the version went into the settings";
        EXPECT_EQ(world.setting(QStringLiteral("version"), QString::fromUtf8(version)), QStringLiteral("<none>"));
    }
}

} // namespace
