// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/download_dialog.h"

#include "http/curl_http.h"
#include "platform/real/qt_event_pump.h"
#include "raw_http_server.h"
#include "update_test_support.h"

#include "fake_message_boxes.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace {

using Icon = platform::MessageBoxes::Icon;

class DownloadFileTest : public ::testing::Test {
protected:
    bool download(const QString &path) { return form.downloadFile(server.base() + path, destination, {}, {}); }
    QStringList texts() const
    {
        QStringList all;
        for (const auto &box : messages.shown)
            all << box.text;
        return all;
    }
    QByteArray saved() const
    {
        QFile file(destination);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Nothing at the destination, and no temporary file beside it either.
    void expectNothingLeft(const char *what)
    {
        EXPECT_FALSE(QFile::exists(destination)) << what;
        EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty()) << what;
    }

    RawHttpServer server;
    QTemporaryDir folder;
    QString destination = folder.filePath(QStringLiteral("hupdate"));
    platform::QtEventPump events;
    platform::CurlHttp http {events};
    FakeMessageBoxes messages;
    SteppingTicks ticks;
    DownloadDialog form {http, messages, ticks, events};
};

TEST_F(DownloadFileTest, WholeFilesAreSaved)
{
    StagedReply redirect = statusReply(301, "Moved");
    redirect.head.replace("Content-Length", "Location: /1500\r\nContent-Length");
    StagedReply dripped = okReply(patternBytes(5000));
    dripped.dripBytes = 900;
    struct Case {
        const char *path;
        StagedReply reply;
        QByteArray expected;
    };
    const Case cases[] = {
        {"/400", okReply(patternBytes(400)), patternBytes(400)},    // less than a kilobyte
        {"/1500", okReply(patternBytes(1500)), patternBytes(1500)}, // two pieces
        {"/chunked", chunkedReply(patternBytes(5000)), patternBytes(5000)},
        {"/dripped", dripped, patternBytes(5000)},
        {"/moved", redirect, patternBytes(1500)},
    };
    for (const Case &c : cases)
        server.stage(QString::fromLatin1(c.path), c.reply);
    for (const Case &c : cases) {
        QFile::remove(destination);
        EXPECT_TRUE(download(QString::fromLatin1(c.path))) << c.path;
        EXPECT_EQ(saved(), c.expected) << c.path;
        EXPECT_TRUE(form.succeeded) << c.path;
        EXPECT_EQ(form.statusText(), QStringLiteral("Download completed!")) << c.path;
        EXPECT_TRUE(form.progressText().isEmpty()) << c.path;
        EXPECT_FALSE(form.isVisible()) << c.path;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DownloadFileTest, AWholeTransferEndsAtItsTimeLimitHoweverSteadilyBytesCome)
{
    StagedReply steady = okReply(patternBytes(20 * 1024));
    steady.dripBytes = 900;
    steady.dripEveryMs = 200; // well above the least rate, four seconds in all
    server.stage(QStringLiteral("/steady"), steady);
    form.setTimeLimit(1000);
    EXPECT_FALSE(download(QStringLiteral("/steady")));
    expectNothingLeft("/steady");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Download failed!"));
}

TEST_F(DownloadFileTest, FilesOverThirtyTwoMegabytesAreSaved)
{
    const QByteArray body = patternBytes(33 * 1024 * 1024 + 5);
    server.stage(QStringLiteral("/big"), okReply(body));
    EXPECT_TRUE(download(QStringLiteral("/big")));
    EXPECT_EQ(QCryptographicHash::hash(saved(), QCryptographicHash::Sha256),
              QCryptographicHash::hash(body, QCryptographicHash::Sha256));
    EXPECT_EQ(form.progressBar().maximum(), 33 * 1024 + 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DownloadFileTest, EachStatusHasItsMessage)
{
    server.stage(QStringLiteral("/401"), statusReply(401, "Unauthorized"));
    server.stage(QStringLiteral("/404"), statusReply(404, "Not Found", "<p>no</p>"));
    server.stage(QStringLiteral("/500"), statusReply(500, "Internal Server Error"));
    server.stage(QStringLiteral("/empty"), StagedReply {});
    const QString nowhere = QStringLiteral("http://127.0.0.1:%1/x").arg(closedPort());
    struct Case {
        QString url;
        QString text;
        QString title;
        Icon icon;
    };
    const Case cases[] = {
        {server.base() + QStringLiteral("/401"), QStringLiteral("Authorization failed!"),
         QStringLiteral("Unauthorized"), Icon::Critical},
        {server.base() + QStringLiteral("/404"),
         QStringLiteral("The file, ") + server.base() + QStringLiteral("/404 was not found!"),
         QStringLiteral("File Not Found"), Icon::Critical},
        {server.base() + QStringLiteral("/500"),
         QStringLiteral("The server returned the following response:\r\rHTTP/1.1 500 Internal Server Error\r"),
         QStringLiteral("Download Error"), Icon::Critical},
        {server.base() + QStringLiteral("/empty"), QStringLiteral("The server returned the following response:\r\r"),
         QStringLiteral("Download Error"), Icon::Critical},
        {nowhere, QStringLiteral("Cannot establish connection.\r\rCheck your Internet connection and try again."),
         QStringLiteral("Cannot Establish Connection"), Icon::Exclamation},
    };
    std::vector<bool> visibleDuringMessage;
    messages.whileShown = [&] { visibleDuringMessage.push_back(form.isVisible()); };
    for (const Case &c : cases) {
        messages.shown.clear();
        visibleDuringMessage.clear();
        EXPECT_FALSE(form.downloadFile(c.url, destination, {}, {})) << c.url.toStdString();
        ASSERT_EQ(messages.shown.size(), 2u) << c.url.toStdString();
        EXPECT_EQ(messages.shown[0].text, c.text);
        EXPECT_EQ(messages.shown[0].title, c.title);
        EXPECT_EQ(messages.shown[0].icon, c.icon);
        EXPECT_EQ(messages.shown[1].text, QStringLiteral("Download failed!"));
        EXPECT_EQ(messages.shown[1].title, QStringLiteral("Error Downloading File"));
        EXPECT_EQ(messages.shown[1].icon, Icon::Critical);
        EXPECT_FALSE(visibleDuringMessage.at(0)) << "hidden before the status message";
        EXPECT_FALSE(form.succeeded);
        expectNothingLeft("status");
    }
}

TEST_F(DownloadFileTest, IncompleteBodiesLeaveNoFile)
{
    const QByteArray body = patternBytes(5000);
    StagedReply lyingLength = okReply(body);
    lyingLength.body.truncate(3000);
    StagedReply reset = okReply(body);
    reset.resetAfter = 3000;
    StagedReply earlyReset = okReply(body);
    earlyReset.resetAfter = 0;
    const std::pair<const char *, StagedReply> cases[] = {
        {"/lying-length", lyingLength},
        {"/reset", reset},
        {"/reset-before-body", earlyReset},
        {"/nothing", okReply(QByteArray())},
        // Without a length or chunked coding a cut body cannot be told from a whole one.
        {"/no-length", okReply(body, false)},
    };
    for (const auto &[path, reply] : cases)
        server.stage(QString::fromLatin1(path), reply);
    // A success first: its flag must not carry over to the failures.
    server.stage(QStringLiteral("/good"), okReply(body));
    ASSERT_TRUE(download(QStringLiteral("/good")));
    for (const auto &[path, reply] : cases) {
        messages.shown.clear();
        QFile old(destination); // an older file there goes too
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.close();
        EXPECT_FALSE(download(QString::fromLatin1(path))) << path;
        EXPECT_FALSE(form.succeeded) << path;
        EXPECT_EQ(texts(), QStringList {QStringLiteral("Download failed!")}) << path;
        EXPECT_EQ(form.statusText(), QStringLiteral("Download failed!")) << path;
        expectNothingLeft(path);
    }
}

TEST_F(DownloadFileTest, CancelEndsTheTransferQuietly)
{
    StagedReply silent;
    silent.silent = true;
    server.stage(QStringLiteral("/silent"), silent);
    StagedReply half = okReply(patternBytes(5000));
    half.stallAfter = 3000;
    server.stage(QStringLiteral("/half"), half);
    StagedReply lastByte = okReply(patternBytes(5000));
    lastByte.stallAfter = 4999;
    server.stage(QStringLiteral("/last-byte"), lastByte);

    struct Case {
        const char *path;
        bool closeInsteadOfCancel;
    };
    const Case cases[] = {{"/silent", false}, {"/half", false}, {"/last-byte", false}, {"/half", true}};
    for (const Case &c : cases) {
        const auto cancel = [&] { c.closeInsteadOfCancel ? (void)form.close() : form.cancelButton().click(); };
        const auto onRequest = QObject::connect(&server, &RawHttpServer::requestReceived, &form, [&] {
            if (QLatin1String(c.path) == QLatin1String("/silent"))
                cancel();
        });
        const auto onStall = QObject::connect(&server, &RawHttpServer::stalled, &form, cancel);
        EXPECT_FALSE(download(QString::fromLatin1(c.path))) << c.path;
        QObject::disconnect(onRequest);
        QObject::disconnect(onStall);
        EXPECT_TRUE(messages.shown.empty()) << c.path;
        EXPECT_NE(form.statusText(), QStringLiteral("Download completed!")) << c.path;
        EXPECT_FALSE(form.isVisible()) << c.path;
        expectNothingLeft(c.path);
    }
}

TEST_F(DownloadFileTest, AWriteFailureIsReportedOnce)
{
    server.stage(QStringLiteral("/big"), okReply(patternBytes(200 * 1024)));
    // The file system refuses anything past 16 KB, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 16 * 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool result = download(QStringLiteral("/big"));
    setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_FALSE(result);
    EXPECT_EQ(texts(),
              (QStringList {QStringLiteral("Cannot write file to disk!"), QStringLiteral("Download failed!")}));
    EXPECT_EQ(messages.shown.at(0).title, QStringLiteral("Error Downloading File"));
    expectNothingLeft("full disk");

    messages.shown.clear();
    EXPECT_FALSE(form.downloadFile(server.base() + QStringLiteral("/big"),
                                   QStringLiteral("/nonexistent-folder/hupdate"), {}, {}));
    EXPECT_EQ(texts(),
              (QStringList {QStringLiteral("Cannot write file to disk!"), QStringLiteral("Download failed!")}));
}

TEST_F(DownloadFileTest, ProgressIsShownWhileBytesArrive)
{
    StagedReply dripped = okReply(patternBytes(20 * 1024));
    dripped.dripBytes = 1024;
    dripped.dripEveryMs = 2;
    server.stage(QStringLiteral("/updates/hupdate"), dripped);
    QStringList shown;
    QStringList captions;
    QObject::connect(&form, &DownloadDialog::progressTextChanged, &form, [&](const QString &text) { shown << text; });
    QObject::connect(&form, &QWidget::windowTitleChanged, &form, [&](const QString &text) { captions << text; });
    QString saving;
    QObject::connect(&server, &RawHttpServer::requestReceived, &form, [&] { saving = form.statusText(); });

    EXPECT_TRUE(download(QStringLiteral("/updates/hupdate")));
    EXPECT_EQ(saving, QStringLiteral("Saving:\r\rhupdate from ") + server.base() + QStringLiteral("/updates/"));
    ASSERT_GE(shown.size(), 3);
    EXPECT_EQ(shown.first(), QStringLiteral("Getting file information..."));
    EXPECT_EQ(shown.last(), QString());
    const QRegularExpression progress(QStringLiteral(
        R"(^Estimated Time Left: \d+ (sec|min \d+ sec) \(\d+\.\d KB of 20\.0 KB copied\)\r\rTransfer Rate: [\d,]+\.\d KB/Sec$)"));
    const QStringList middle = shown.mid(1, shown.size() - 2);
    EXPECT_FALSE(middle.isEmpty());
    for (const QString &text : middle)
        EXPECT_TRUE(progress.match(text).hasMatch()) << text.toStdString();
    EXPECT_FALSE(captions.filter(QRegularExpression(QStringLiteral(R"(^\d+% of hupdate Completed$)"))).isEmpty())
        << captions.join(QLatin1Char('|')).toStdString();
}

TEST_F(DownloadFileTest, EveryTextIsLookedUpWhenShown)
{
    const BracketTranslation brackets; // installed after the dialog was made
    server.stage(QStringLiteral("/401"), statusReply(401, "Unauthorized"));
    server.stage(QStringLiteral("/404"), statusReply(404, "Not Found"));
    server.stage(QStringLiteral("/500"), statusReply(500, "Internal Server Error"));
    server.stage(QStringLiteral("/updates/hupdate"), okReply(patternBytes(1500)));
    const std::pair<QString, QString> failures[] = {
        {server.base() + QStringLiteral("/401"), destination},
        {server.base() + QStringLiteral("/404"), destination},
        {server.base() + QStringLiteral("/500"), destination},
        {QStringLiteral("http://127.0.0.1:%1/x").arg(closedPort()), destination},
        {server.base() + QStringLiteral("/updates/hupdate"), QStringLiteral("/nonexistent-folder/hupdate")},
    };
    for (const auto &[url, into] : failures)
        EXPECT_FALSE(form.downloadFile(url, into, {}, {})) << url.toStdString();
    ASSERT_EQ(messages.shown.size(), 10u) << "each failure's box, then the failure";
    for (const auto &box : messages.shown)
        EXPECT_TRUE(isBracketed(box.text) && isBracketed(box.title))
            << box.title.toStdString() << box.text.toStdString();
    EXPECT_EQ(messages.shown[2].text,
              QStringLiteral("[The file, ") + server.base() + QStringLiteral("/404 was not found!]"));
    EXPECT_EQ(form.statusText(), QStringLiteral("[Download failed!]"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("[Download File]"));

    QString saving;
    QObject::connect(&server, &RawHttpServer::requestReceived, &form,
                     [&] { saving = form.progressText() + form.statusText(); });
    EXPECT_TRUE(download(QStringLiteral("/updates/hupdate")));
    EXPECT_EQ(saving,
              QStringLiteral("[Getting file information...][Saving:\r\rhupdate from ") + server.base()
                  + QStringLiteral("/updates/]"));
    EXPECT_EQ(form.statusText(), QStringLiteral("[Download completed!]"));
    EXPECT_EQ(form.cancelButton().text(), QStringLiteral("[Cancel]"));
}

TEST_F(DownloadFileTest, ASecondCallWhileOneRunsChangesNothing)
{
    StagedReply stalling = okReply(patternBytes(5000));
    stalling.stallAfter = 2000;
    server.stage(QStringLiteral("/stall"), stalling);
    bool secondResult = true;
    QObject::connect(&server, &RawHttpServer::stalled, &form, [&] {
        secondResult = download(QStringLiteral("/stall"));
        server.releaseStall();
    });
    EXPECT_TRUE(download(QStringLiteral("/stall")));
    EXPECT_FALSE(secondResult);
    EXPECT_EQ(server.requestedPaths.size(), 1);
    EXPECT_EQ(saved(), patternBytes(5000));
}

// A transfer control that says all went well whatever it delivered.
class ShortTransfer final : public platform::Http {
public:
    std::optional<QByteArray> openUrl(const QString &, qint64) override { return std::nullopt; }
    void execute(const QString &url, const QString &, const QString &, qint64) override
    {
        m_url = url;
        m_left = 3000;
    }
    bool stillExecuting() const override { return false; }
    int status() const override { return 200; }
    QString statusLine() const override { return QStringLiteral("HTTP/1.1 200 OK"); }
    QString header(const QString &name) const override
    {
        return name.compare(QLatin1String("Content-Length"), Qt::CaseInsensitive) == 0 ? QStringLiteral("5000")
                                                                                       : QString();
    }
    QByteArray getChunk(qint64 maxBytes) override
    {
        const qint64 size = qMin(maxBytes, m_left);
        m_left -= size;
        return QByteArray(size, 'u');
    }
    int responseCode() const override { return 0; } // "success"
    QString url() const override { return m_url; }
    void cancel() override { m_left = 0; }

private:
    QString m_url;
    qint64 m_left = 0;
};

TEST(DownloadFileLength, ABodyShorterThanAnnouncedFailsEvenWhenTheTransferSaysAllIsWell)
{
    QTemporaryDir folder;
    const QString destination = folder.filePath(QStringLiteral("hupdate"));
    platform::QtEventPump events;
    ShortTransfer http;
    FakeMessageBoxes messages;
    SteppingTicks ticks;
    DownloadDialog form {http, messages, ticks, events};

    EXPECT_FALSE(
        form.downloadFile(QStringLiteral("http://127.0.0.1:9/updates/horaluxupdate.exe"), destination, {}, {}));
    EXPECT_FALSE(form.succeeded);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Download failed!"));
    EXPECT_EQ(form.statusText(), QStringLiteral("Download failed!"));
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty()) << "nothing left on disk";
}

TEST(DownloadDialogLayout, ControlsSitWhereTheyWereDrawn)
{
    platform::QtEventPump events;
    platform::CurlHttp http {events};
    FakeMessageBoxes messages;
    SteppingTicks ticks;
    DownloadDialog form {http, messages, ticks, events};
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Download File"));
    EXPECT_EQ(form.size(), QSize(330, 198)); // 4950 x 2970 twips
    EXPECT_EQ(form.statusLabel().geometry(), QRect(8, 8, 313, 49));
    EXPECT_EQ(form.progressBar().geometry(), QRect(8, 72, 313, 15));
    EXPECT_EQ(form.progressLabel().geometry(), QRect(8, 96, 321, 57));
    EXPECT_EQ(form.cancelButton().geometry(), QRect(128, 168, 81, 25));
    EXPECT_EQ(form.cancelButton().text(), QStringLiteral("Cancel"));
}

} // namespace
