// SPDX-License-Identifier: GPL-3.0-or-later
#include "http/curl_http.h"
#include "platform/real/qt_event_pump.h"
#include "raw_http_server.h"
#include "tunnel_proxy.h"
#include "update_test_support.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>

#include <fcntl.h>

namespace {

constexpr qint64 kAnySize = 1 << 30;

class CurlHttpTest : public ::testing::Test {
protected:
    // Every piece the body came in must be at most the size asked for.
    QByteArray readBody(qint64 pieceSize = 1024)
    {
        QByteArray body;
        for (QByteArray chunk = http.getChunk(pieceSize); !chunk.isEmpty(); chunk = http.getChunk(pieceSize)) {
            EXPECT_LE(chunk.size(), pieceSize);
            body += chunk;
        }
        return body;
    }
    void get(const QString &path, const QString &user = QString(), const QString &password = QString())
    {
        http.execute(server.base() + path, user, password, kAnySize);
        ASSERT_TRUE(waitUntil([this] { return !http.stillExecuting(); }));
    }

    RawHttpServer server;
    platform::QtEventPump events;
    platform::CurlHttp http {events};
};

TEST_F(CurlHttpTest, TheFinalAnswersStatusIsANumberWithItsLine)
{
    for (int code : {200, 302, 401, 404, 500}) { // a 302 without Location is an answer too
        const QByteArray body = patternBytes(code);
        server.stage(QStringLiteral("/s"), code == 200 ? okReply(body) : statusReply(code, "Some Reason", body));
        get(QStringLiteral("/s"));
        EXPECT_EQ(http.status(), code) << http.statusLine().toStdString();
        EXPECT_TRUE(http.statusLine().startsWith(QStringLiteral("HTTP/1.1 %1 ").arg(code)));
        EXPECT_EQ(http.header(QStringLiteral("content-LENGTH")), QString::number(body.size()));
        EXPECT_EQ(readBody(), body) << "an error page is readable too";
        EXPECT_EQ(http.responseCode() == 0, code == 200) << code;
        EXPECT_EQ(http.url(), server.base() + QStringLiteral("/s"));
    }
}

TEST_F(CurlHttpTest, TheStatusLineHoldsNoLineEndAndTheStatusIsThreeDigits)
{
    StagedReply odd;
    odd.head = "HTTP/1.1 200 OK\r\nX-Note: a\rb\r\nSet-Cookie: a=1\r\nSet-Cookie: b=2\r\nConnection: close\r\n"
               "Content-Length: 2\r\n\r\n";
    odd.body = "ok";
    server.stage(QStringLiteral("/odd"), odd);
    get(QStringLiteral("/odd"));
    EXPECT_EQ(http.status(), 200);
    EXPECT_EQ(http.statusLine(), QStringLiteral("HTTP/1.1 200 OK"));
    EXPECT_EQ(http.header(QStringLiteral("set-cookie")), QStringLiteral("a=1")) << "the first of repeated headers";

    // Neither four digits nor two are a status.
    for (const QByteArray &status : {QByteArray("2001 X"), QByteArray("20 X")}) {
        StagedReply bad;
        bad.head = "HTTP/1.1 " + status + "\r\nConnection: close\r\nContent-Length: 2\r\n\r\n";
        bad.body = "no";
        server.stage(QStringLiteral("/bad"), bad);
        get(QStringLiteral("/bad"));
        EXPECT_EQ(http.status(), platform::Http::Unanswered)
            << status.toStdString() << ": " << http.statusLine().toStdString();
        EXPECT_TRUE(readBody().isEmpty());
    }
}

TEST_F(CurlHttpTest, WholeBodiesArriveInPiecesOfTheAskedSize)
{
    const QByteArray body = patternBytes(5000);
    StagedReply dripped = okReply(body);
    dripped.dripBytes = 700;
    StagedReply redirect = statusReply(302, "Found");
    redirect.head.replace("Content-Length", "Location: /with-length\r\nContent-Length");
    // Interim answers and all, in pieces of 7 bytes: lines split across reads.
    const StagedReply whole = okReply(body);
    StagedReply interim {QByteArray(),
                         "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 103 Early Hints\r\nLink: </a.css>\r\n\r\n" + whole.head
                             + whole.body};
    interim.dripBytes = 7;
    const std::pair<const char *, StagedReply> cases[] = {
        {"/with-length", okReply(body)}, {"/chunked", chunkedReply(body)},      {"/dripped", dripped},
        {"/redirected", redirect},       {"/interim-answers-dripped", interim},
    };
    for (const auto &[path, reply] : cases)
        server.stage(QString::fromLatin1(path), reply);
    for (const auto &[path, reply] : cases) {
        get(QString::fromLatin1(path));
        EXPECT_EQ(http.status(), 200) << path;
        EXPECT_EQ(readBody(), body) << path;
        EXPECT_EQ(http.responseCode(), 0) << path;
    }
}

TEST_F(CurlHttpTest, AnAnswerWhoseEndCannotBeToldIsABrokenTransfer)
{
    const QByteArray body = patternBytes(5000);
    const QByteArray head = "HTTP/1.1 200 OK\r\nConnection: close\r\n";
    const std::pair<const char *, StagedReply> cases[] = {
        {"/close-ends-it", okReply(body, false)},
        {"/two-lengths", StagedReply {head + "Content-Length: 10\r\nContent-Length: 5000\r\n\r\n", body}},
        {"/length-and-chunked",
         StagedReply {head + "Content-Length: 5000\r\nTransfer-Encoding: chunked\r\n\r\n", chunkedReply(body).body}},
        {"/gzip-coding", StagedReply {head + "Transfer-Encoding: gzip\r\n\r\n", body}},
        {"/signed-length", StagedReply {head + "Content-Length: -5\r\n\r\n", body}},
        {"/long-headers",
         StagedReply {head + "Content-Length: 5000\r\nX-Pad: " + QByteArray(70 * 1024, 'p') + "\r\n\r\n", body}},
    };
    for (const auto &[path, reply] : cases)
        server.stage(QString::fromLatin1(path), reply);
    for (const auto &[path, reply] : cases) {
        get(QString::fromLatin1(path));
        EXPECT_TRUE(readBody().isEmpty()) << path << ": no byte of it is handed out";
        EXPECT_NE(http.responseCode(), 0) << path;
        EXPECT_FALSE(http.stillExecuting()) << path;
        EXPECT_EQ(http.openUrl(server.base() + QString::fromLatin1(path), 65536), std::nullopt) << path;
    }
}

TEST_F(CurlHttpTest, RedirectsStayOnTheServerAsked)
{
    RawHttpServer other;
    other.stage(QStringLiteral("/file"), okReply("elsewhere"));
    const auto redirectTo = [](const QString &location) {
        StagedReply moved = statusReply(302, "Found");
        moved.head.replace("Content-Length", "Location: " + location.toLatin1() + "\r\nContent-Length");
        return moved;
    };
    server.stage(QStringLiteral("/file"), okReply("here"));
    server.stage(QStringLiteral("/same"), redirectTo(server.base() + QStringLiteral("/file")));
    server.stage(QStringLiteral("/other-port"), redirectTo(other.base() + QStringLiteral("/file")));
    server.stage(QStringLiteral("/other-host"),
                 redirectTo(QStringLiteral("http://localhost:%1/file").arg(server.port())));
    server.stage(QStringLiteral("/other-scheme"),
                 redirectTo(QStringLiteral("https://127.0.0.1:%1/file").arg(server.port())));

    // A chain of `hops` redirects on the server, then the file.
    for (int hops : {5, 6}) {
        for (int i = 0; i < hops; ++i)
            server.stage(QStringLiteral("/chain%1-%2").arg(hops).arg(i),
                         redirectTo(QStringLiteral("/chain%1-%2").arg(hops).arg(i + 1)));
        server.stage(QStringLiteral("/chain%1-%2").arg(hops).arg(hops), okReply("here"));
    }

    get(QStringLiteral("/same"));
    EXPECT_EQ(readBody(), QByteArray("here"));
    get(QStringLiteral("/chain5-0"));
    EXPECT_EQ(readBody(), QByteArray("here")) << "five redirects are followed";
    get(QStringLiteral("/chain6-0"));
    EXPECT_EQ(http.status(), 302) << "a sixth is not";
    EXPECT_TRUE(readBody().isEmpty());
    EXPECT_EQ(http.responseCode(), platform::CurlHttp::RedirectRefused);
    for (const char *path : {"/other-port", "/other-host", "/other-scheme"}) {
        get(QString::fromLatin1(path));
        EXPECT_EQ(http.status(), 302) << path << ": the refused redirect is the answer";
        EXPECT_TRUE(readBody().isEmpty()) << path;
        EXPECT_NE(http.responseCode(), 0) << path;
    }
    EXPECT_TRUE(other.requestedPaths.isEmpty());
}

TEST_F(CurlHttpTest, OpenUrlEndsWithinItsTimeOutHoweverTheServerTrickles)
{
    platform::CurlHttp impatient(events, 1500);
    StagedReply trickle = okReply(QByteArray(600, 'h'));
    trickle.dripBytes = 1;
    trickle.dripEveryMs = 100; // a byte well within every idle time-out, a minute in all
    server.stage(QStringLiteral("/versions.txt"), trickle);
    QElapsedTimer took;
    took.start();
    EXPECT_EQ(impatient.openUrl(server.base() + QStringLiteral("/versions.txt"), 65536), std::nullopt);
    EXPECT_LT(took.elapsed(), 30000) << "ended by the whole fetch's time-out, not the server";
    EXPECT_FALSE(impatient.stillExecuting());
}

TEST_F(CurlHttpTest, ABodyCutShortEndsTheReadingWithAnError)
{
    const QByteArray body = patternBytes(5000);
    StagedReply shortBody = okReply(body);
    shortBody.body.truncate(3000); // the announced length stays 5000
    StagedReply reset = okReply(body);
    reset.resetAfter = 3000;
    const std::pair<const char *, StagedReply> cases[] = {{"/short", shortBody}, {"/reset", reset}};
    for (const auto &[path, reply] : cases)
        server.stage(QString::fromLatin1(path), reply);
    for (const auto &[path, reply] : cases) {
        get(QString::fromLatin1(path));
        EXPECT_EQ(http.header(QStringLiteral("Content-Length")), QStringLiteral("5000")) << path;
        EXPECT_LE(readBody().size(), 3000) << path;
        EXPECT_FALSE(http.stillExecuting()) << path;
        EXPECT_NE(http.responseCode(), 0) << path << ": what came is not the whole body";
    }
}

TEST_F(CurlHttpTest, ABodyPastTheSizeAskedForFailsTheRequest)
{
    const QByteArray body = patternBytes(5000);
    server.stage(QStringLiteral("/with-length"), okReply(body));
    server.stage(QStringLiteral("/chunked"), chunkedReply(body));
    for (const char *path : {"/with-length", "/chunked"}) {
        http.execute(server.base() + QString::fromLatin1(path), QString(), QString(), 5000);
        EXPECT_EQ(readBody(), body) << path << ": exactly the size asked for";
        EXPECT_EQ(http.responseCode(), 0) << path;
        http.execute(server.base() + QString::fromLatin1(path), QString(), QString(), 4999);
        EXPECT_LT(readBody().size(), 5000) << path;
        EXPECT_NE(http.responseCode(), 0) << path;
    }
}

TEST_F(CurlHttpTest, NoAnswerShowsInTheHeaderBlock)
{
    http.execute(QStringLiteral("http://127.0.0.1:%1/x").arg(closedPort()), QString(), QString(), kAnySize);
    ASSERT_TRUE(waitUntil([this] { return !http.stillExecuting(); }));
    EXPECT_EQ(http.status(), platform::Http::Unreached) << "no server";
    EXPECT_NE(http.responseCode(), 0);
    EXPECT_TRUE(http.getChunk(1024).isEmpty());

    server.stage(QStringLiteral("/empty"), StagedReply {});
    get(QStringLiteral("/empty"));
    EXPECT_EQ(http.status(), platform::Http::Unanswered) << "a server that closes without a word";
    EXPECT_NE(http.responseCode(), 0);
}

TEST_F(CurlHttpTest, CredentialsAnswerTheServersChallenge)
{
    server.handle(QStringLiteral("/private"), [](const QByteArray &request) {
        if (request.contains("Authorization: Basic " + QByteArray("ann:secret").toBase64()))
            return okReply("welcome");
        StagedReply challenge = statusReply(401, "Unauthorized");
        challenge.head.replace("Content-Length", "WWW-Authenticate: Basic realm=\"test\"\r\nContent-Length");
        return challenge;
    });
    get(QStringLiteral("/private"), QStringLiteral("ann"), QStringLiteral("secret"));
    EXPECT_EQ(http.status(), 200);
    EXPECT_EQ(readBody(), QByteArray("welcome"));
    get(QStringLiteral("/private"));
    EXPECT_EQ(http.status(), 401);
}

TEST_F(CurlHttpTest, RequestsAskForOnePlainAnswerAndGiveCredentialsOnlyWhenAskedForBasic)
{
    const QByteArray granted = "Authorization: Basic " + QByteArray("ann:secret").toBase64() + "\r\n";
    const auto guarded = [granted](const QByteArray &scheme) {
        return [granted, scheme](const QByteArray &request) {
            if (request.contains(granted))
                return okReply("welcome");
            StagedReply challenge = statusReply(401, "Unauthorized");
            challenge.head.replace("Content-Length", "WWW-Authenticate: " + scheme + "\r\nContent-Length");
            return challenge;
        };
    };
    server.handle(QStringLiteral("/basic"), guarded("Basic realm=\"test\""));
    server.handle(QStringLiteral("/bearer"), guarded("Bearer realm=\"test\""));
    server.stage(QStringLiteral("/open"), okReply("open"));

    get(QStringLiteral("/open"), QStringLiteral("ann"), QStringLiteral("secret"));
    ASSERT_EQ(server.requestHeads.size(), 1);
    const QByteArray head = server.requestHeads.value(0);
    for (const QByteArray &line :
         {QByteArray("GET /open HTTP/1.1\r\n"), "\r\nHost: 127.0.0.1:" + QByteArray::number(server.port()) + "\r\n",
          QByteArray("\r\nAccept-Encoding: identity\r\n"), QByteArray("\r\nUser-Agent: Mozilla/5.0\r\n")})
        EXPECT_TRUE(head.contains(line)) << line.constData() << " in " << head.constData();
    EXPECT_FALSE(head.contains("Authorization")) << "not asked for, not sent";

    server.requestHeads.clear();
    get(QStringLiteral("/basic"), QStringLiteral("ann"), QStringLiteral("secret"));
    EXPECT_EQ(readBody(), QByteArray("welcome"));
    ASSERT_EQ(server.requestHeads.size(), 2);
    EXPECT_FALSE(server.requestHeads[0].contains("Authorization"));
    EXPECT_TRUE(server.requestHeads[1].contains(granted));

    server.requestHeads.clear();
    get(QStringLiteral("/bearer"), QStringLiteral("ann"), QStringLiteral("secret"));
    EXPECT_EQ(http.status(), 401) << "a scheme we do not speak is the answer";
    EXPECT_EQ(server.requestHeads.size(), 1);

    StagedReply wrong = statusReply(401, "Unauthorized");
    wrong.head.replace("Content-Length", "WWW-Authenticate: Basic realm=\"x\"\r\nContent-Length");
    server.stage(QStringLiteral("/never"), wrong);
    server.requestHeads.clear();
    get(QStringLiteral("/never"), QStringLiteral("ann"), QStringLiteral("wrong"));
    EXPECT_EQ(http.status(), 401);
    EXPECT_EQ(server.requestHeads.size(), 2) << "credentials are tried once";
}

// Sets the proxy variables of a row, and puts back the machine's after it.
class ProxyEnvironment {
public:
    explicit ProxyEnvironment(const QList<std::pair<const char *, QString>> &variables)
    {
        for (const char *name : kNames) {
            m_saved.append({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
            qunsetenv(name);
        }
        for (const auto &[name, value] : variables)
            qputenv(name, value.toUtf8());
    }
    ~ProxyEnvironment()
    {
        for (const Saved &saved : m_saved) {
            if (saved.set)
                qputenv(saved.name, saved.value);
            else
                qunsetenv(saved.name);
        }
    }

private:
    static constexpr const char *kNames[] = {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY",
                                             "all_proxy",  "ALL_PROXY",  "no_proxy",    "NO_PROXY"};
    struct Saved {
        const char *name;
        bool set;
        QByteArray value;
    };
    QList<Saved> m_saved;
};

TEST_F(CurlHttpTest, TheEnvironmentsProxyIsATunnel)
{
    // The proxy leads every tunnel to this machine, so a name only it resolves still reaches the server.
    TunnelProxy proxy;
    server.stage(QStringLiteral("/versions.txt"), okReply("tunnel!"));
    const QString port = QString::number(server.port());
    const QString named = QStringLiteral("http://download.horalux.invalid:%1/versions.txt").arg(port);
    const QString loopback = server.base() + QStringLiteral("/versions.txt");
    const QString httpProxy = QStringLiteral("http://") + proxy.address();
    const QByteArray origin = "download.horalux.invalid:" + port.toLatin1();
    const QByteArray annSecret = "Basic " + QByteArray("ann:secret").toBase64();
    struct Row {
        const char *what;
        QList<std::pair<const char *, QString>> environment;
        QString url;
        QByteArray through; // "KIND target" as the proxy saw it; empty: not through the proxy
        bool fetched;
        QByteArray credentials = {};
    };
    const Row rows[] = {
        {"http_proxy", {{"http_proxy", httpProxy}}, named, "CONNECT " + origin, true},
        {"HTTP_PROXY", {{"HTTP_PROXY", httpProxy}}, named, "CONNECT " + origin, true},
        {"all_proxy, socks5h: the proxy resolves the name",
         {{"all_proxy", QStringLiteral("socks5h://") + proxy.address()}},
         named,
         "SOCKS5 " + origin,
         true},
        {"ALL_PROXY, socks5: the name is resolved here",
         {{"ALL_PROXY", QStringLiteral("socks5://") + proxy.address()}},
         loopback,
         "SOCKS5 127.0.0.1:" + port.toLatin1(),
         true},
        {"https_proxy is for https", {{"HTTPS_PROXY", httpProxy}}, loopback, QByteArray(), true},
        {"no_proxy=*", {{"http_proxy", httpProxy}, {"no_proxy", QStringLiteral("*")}}, named, QByteArray(), false},
        // Not through the proxy, so the name is looked up here, where it does not exist.
        {"no_proxy, a domain without a leading dot",
         {{"http_proxy", httpProxy}, {"no_proxy", QStringLiteral("example.test,horalux.invalid")}},
         named,
         QByteArray(),
         false},
        {"NO_PROXY, a domain with a leading dot",
         {{"http_proxy", httpProxy}, {"NO_PROXY", QStringLiteral(".horalux.invalid")}},
         named,
         QByteArray(),
         false},
        {"no_proxy of other hosts",
         {{"http_proxy", httpProxy}, {"no_proxy", QStringLiteral("example.test,.invalid.test,localhost")}},
         named,
         "CONNECT " + origin,
         true},
        {"credentials in the proxy's address go to the proxy",
         {{"http_proxy", QStringLiteral("http://ann:secret@") + proxy.address()}},
         named,
         "CONNECT " + origin,
         true,
         annSecret},
        {"and to a SOCKS5 proxy",
         {{"all_proxy", QStringLiteral("socks5h://ann:secret@") + proxy.address()}},
         named,
         "SOCKS5 " + origin,
         true,
         "ann:secret"},
    };
    for (const Row &row : rows) {
        const ProxyEnvironment environment(row.environment);
        proxy.visits.clear();
        const auto body = http.openUrl(row.url, 1024);
        EXPECT_EQ(body, row.fetched ? std::optional<QByteArray>("tunnel!") : std::nullopt) << row.what;
        if (row.through.isEmpty()) {
            EXPECT_TRUE(proxy.visits.isEmpty()) << row.what;
            continue;
        }
        EXPECT_EQ(proxy.visits.size(), 1) << row.what;
        if (proxy.visits.isEmpty())
            continue;
        EXPECT_EQ(proxy.visits[0].kind + ' ' + proxy.visits[0].target, row.through) << row.what;
        EXPECT_EQ(proxy.visits[0].credentials, row.credentials) << row.what;
    }
}

TEST_F(CurlHttpTest, AProxyThatAsksForAPasswordIsNotAnswered)
{
    TunnelProxy proxy;
    proxy.demandCredentials = true;
    server.handle(QStringLiteral("/private"), [](const QByteArray &) { return okReply("welcome"); });
    for (const char *kind : {"http", "socks5h"}) {
        const ProxyEnvironment environment(
            {{"all_proxy", QString::fromLatin1(kind) + QStringLiteral("://") + proxy.address()}});
        proxy.visits.clear();
        // The server's credentials are the server's.
        get(QStringLiteral("/private"), QStringLiteral("ann"), QStringLiteral("secret"));
        EXPECT_EQ(http.status(), platform::Http::Unreached) << kind << ": no server reached";
        EXPECT_NE(http.responseCode(), 0) << kind;
        for (const TunnelProxy::Visit &visit : std::as_const(proxy.visits))
            EXPECT_TRUE(visit.credentials.isEmpty()) << kind << ": " << visit.credentials.constData();
    }
    EXPECT_TRUE(server.requestedPaths.isEmpty());
}

TEST_F(CurlHttpTest, CancelEndsAWaitForTheBody)
{
    StagedReply stalling = okReply(patternBytes(5000));
    stalling.stallAfter = 1000;
    server.stage(QStringLiteral("/stall"), stalling);
    QObject::connect(&server, &RawHttpServer::stalled, &server, [this] { http.cancel(); });
    get(QStringLiteral("/stall"));
    EXPECT_LE(readBody().size(), 1000);
    EXPECT_NE(http.responseCode(), 0);
    EXPECT_FALSE(http.stillExecuting());
}

TEST_F(CurlHttpTest, AKeptConnectionIsNotInheritedByProgramsStarted)
{
    StagedReply kept = okReply("kept");
    kept.head.replace("Connection: close\r\n", "");
    kept.keepOpen = true;
    server.stage(QStringLiteral("/kept"), kept);
    get(QStringLiteral("/kept"));
    ASSERT_EQ(readBody(), QByteArray("kept"));
    int sockets = 0;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &name : fds.entryList(QDir::System | QDir::NoDotAndDotDot)) {
        if (!QFile::symLinkTarget(fds.filePath(name)).contains(QLatin1String("socket:")))
            continue;
        ++sockets;
        EXPECT_TRUE(::fcntl(name.toInt(), F_GETFD) & FD_CLOEXEC) << "socket " << name.toStdString();
    }
    EXPECT_GE(sockets, 2) << "the server's and libcurl's ends of the kept connection";
}

TEST_F(CurlHttpTest, ARequestWithoutProgressTimesOut)
{
    // Long enough that a loaded machine still delivers the first 1000 bytes in time.
    platform::CurlHttp impatient(events, 1500);
    StagedReply silent;
    silent.silent = true;
    server.stage(QStringLiteral("/silent"), silent);
    impatient.execute(server.base() + QStringLiteral("/silent"), QString(), QString(), kAnySize);
    ASSERT_TRUE(waitUntil([&] { return !impatient.stillExecuting(); }));
    EXPECT_NE(impatient.responseCode(), 0);
    EXPECT_EQ(impatient.status(), platform::Http::Unreached);

    StagedReply stalling = okReply(patternBytes(5000));
    stalling.stallAfter = 1000;
    server.stage(QStringLiteral("/stall"), stalling);
    impatient.execute(server.base() + QStringLiteral("/stall"), QString(), QString(), kAnySize);
    QByteArray body;
    for (QByteArray chunk = impatient.getChunk(1024); !chunk.isEmpty(); chunk = impatient.getChunk(1024))
        body += chunk;
    EXPECT_EQ(body.size(), 1000) << "the wait for the rest ends";
    EXPECT_NE(impatient.responseCode(), 0);

    // A fast start counts for its own window only: the stall after it ends the transfer.
    StagedReply fastThenStalled = okReply(patternBytes(200 * 1024));
    fastThenStalled.stallAfter = 100 * 1024;
    server.stage(QStringLiteral("/fast-then-stalled"), fastThenStalled);
    impatient.execute(server.base() + QStringLiteral("/fast-then-stalled"), QString(), QString(), kAnySize);
    QTimer hung; // ends the test, not the transfer's rule
    hung.setSingleShot(true);
    QObject::connect(&hung, &QTimer::timeout, &hung, [&] { impatient.cancel(); });
    hung.start(20000);
    body.clear();
    for (QByteArray chunk = impatient.getChunk(65536); !chunk.isEmpty(); chunk = impatient.getChunk(65536))
        body += chunk;
    EXPECT_EQ(body.size(), 100 * 1024);
    EXPECT_EQ(impatient.responseCode(), platform::CurlHttp::TimedOut);

    // Five redirects, each in well within the time-out, all of them well past it: the header
    // deadline is the whole request's.
    for (int i = 0; i < 5; ++i) {
        StagedReply slowHop {QByteArray(),
                             "HTTP/1.1 302 Found\r\nLocation: /slow" + QByteArray::number(i + 1)
                                 + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n"};
        slowHop.dripBytes = 8; // ten pieces, 600 ms
        slowHop.dripEveryMs = 60;
        server.stage(QStringLiteral("/slow%1").arg(i), slowHop);
    }
    server.stage(QStringLiteral("/slow5"), okReply("late"));
    impatient.execute(server.base() + QStringLiteral("/slow0"), QString(), QString(), kAnySize);
    ASSERT_TRUE(waitUntil([&] { return !impatient.stillExecuting(); }));
    EXPECT_EQ(impatient.responseCode(), platform::CurlHttp::TimedOut);
    EXPECT_EQ(impatient.status(), platform::Http::Unreached);
    EXPECT_FALSE(server.requestedPaths.contains(QStringLiteral("/slow5")));
}

TEST_F(CurlHttpTest, OpenUrlFetchesWhateverTheServerAnswers)
{
    server.stage(QStringLiteral("/list"), okReply("horalux:1.2.3:"));
    server.stage(QStringLiteral("/missing"), statusReply(404, "Not Found", "<p>gone</p>"));
    server.stage(QStringLiteral("/big"), okReply(patternBytes(1 << 20)));
    StagedReply cut = okReply(patternBytes(5000));
    cut.resetAfter = 100;
    server.stage(QStringLiteral("/cut"), cut);
    bool busyDuringFetch = false;
    QObject::connect(&server, &RawHttpServer::requestReceived, &server,
                     [&] { busyDuringFetch = http.stillExecuting(); });

    EXPECT_EQ(http.openUrl(server.base() + QStringLiteral("/list"), 65536), QByteArray("horalux:1.2.3:"));
    EXPECT_TRUE(busyDuringFetch);
    EXPECT_FALSE(http.stillExecuting());
    EXPECT_EQ(http.openUrl(server.base() + QStringLiteral("/missing"), 65536), QByteArray("<p>gone</p>"));
    EXPECT_EQ(http.openUrl(server.base() + QStringLiteral("/big"), 65536), patternBytes(1 << 20).left(65536));
    EXPECT_EQ(http.openUrl(server.base() + QStringLiteral("/cut"), 65536), std::nullopt);
    EXPECT_EQ(http.openUrl(QStringLiteral("http://127.0.0.1:%1/").arg(closedPort()), 65536), std::nullopt);
}

} // namespace
