// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer control's reading of a server's answer. The input is what a
// server on 127.0.0.1 sends back; it is fetched twice, as the download
// dialog does (execute, header block, header, body in pieces) and as the
// update check does (openUrl). The header block must keep the shape callers
// read it in: the status code at characters 10 to 12, each line ended by
// CR LF, an empty line at the end; header() gives the block's values.

#include "fuzz_check.h"
#include "platform/real/qt_event_pump.h"
#include "platform/real/socket_http.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdint>
#include <memory>

namespace {

// Answers a request with the staged bytes and closes the connection; the
// request a redirect leads to gets a plain answer.
class Responder {
public:
    Responder()
    {
        FUZZ_CHECK(m_server.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }

    QString url() const { return QStringLiteral("http://127.0.0.1:%1/versions.txt").arg(m_server.serverPort()); }

    void stage(const QByteArray &reply) { m_reply = reply; }

private:
    void serve(QTcpSocket *socket)
    {
        auto request = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
            *request += socket->readAll();
            if (!request->contains("\r\n\r\n"))
                return;
            const bool redirected = request->startsWith("GET /again ");
            request->clear();
            socket->write(redirected ? QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok") : m_reply);
            socket->disconnectFromHost();
        });
    }

    QTcpServer m_server;
    QByteArray m_reply;
};

// A redirect must come back here, not go out to some host.
QByteArray withLocalRedirects(const QByteArray &reply)
{
    QList<QByteArray> lines = reply.split('\n');
    for (QByteArray &line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == "location")
            line = "Location: /again\r";
    }
    return lines.join('\n');
}

// HORALUX_FUZZ_SHOW=1 prints what an input gave, line ends made visible.
void show(const platform::SocketHttp &http, QString block)
{
    block.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
    std::fprintf(stderr, "error %d, header block: %s\n", http.responseCode(), qPrintable(block));
}

void checkHeaderBlock(const platform::SocketHttp &http)
{
    const QString block = http.headerBlock();
    if (qEnvironmentVariableIsSet("HORALUX_FUZZ_SHOW"))
        show(http, block);
    if (block.isEmpty() || block == QLatin1String("HTTP/1.1 \r\n"))
        return;
    FUZZ_CHECK(block.startsWith(QLatin1String("HTTP/1.1 ")));
    FUZZ_CHECK(block.endsWith(QLatin1String("\r\n\r\n")));
    for (int i = 9; i < 12; ++i)
        FUZZ_CHECK(block.size() > i && block.at(i).isDigit() && block.at(i).unicode() < 0x80);
    FUZZ_CHECK(block.size() > 12 && block.at(12) == QLatin1Char(' '));
    const QStringList lines = block.chopped(4).split(QLatin1String("\r\n"));
    for (const QString &line : lines)
        FUZZ_CHECK(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype separator = lines[i].indexOf(QLatin1String(": "));
        FUZZ_CHECK(separator > 0);
        const QString name = lines[i].left(separator);
        // A name seen twice keeps its first value in header().
        bool first = true;
        for (qsizetype j = 1; j < i; ++j)
            first = first && !lines[j].startsWith(name + QLatin1String(": "), Qt::CaseInsensitive);
        if (first)
            FUZZ_CHECK(http.header(name) == lines[i].mid(separator + 2));
    }
}

struct World {
    platform::QtEventPump events;
    // Some broken answers (a bad chunk size, then the connection closed) end
    // only by the time-out: keep it short.
    platform::SocketHttp http {events, 250};
    Responder responder;
};
World *world = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    world = new World;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray reply = withLocalRedirects(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    platform::SocketHttp &http = world->http;

    world->responder.stage(reply);
    http.execute(world->responder.url(), QString(), QString());
    QElapsedTimer waited;
    waited.start();
    while (http.stillExecuting()) {
        FUZZ_CHECK(waited.elapsed() < 10'000);
        world->events.waitForEvents(100);
    }
    checkHeaderBlock(http);
    qint64 bodyBytes = 0;
    for (QByteArray piece = http.getChunk(1000); !piece.isEmpty(); piece = http.getChunk(1000)) {
        FUZZ_CHECK(piece.size() <= 1000);
        bodyBytes += piece.size();
        FUZZ_CHECK(bodyBytes <= qint64(size) + 2);
    }

    world->responder.stage(reply);
    const std::optional<QByteArray> body = http.openUrl(world->responder.url(), 64 * 1024);
    FUZZ_CHECK(!body || body->size() <= qint64(size) + 2);
    FUZZ_CHECK(!http.stillExecuting());
    return 0;
}
