// SPDX-License-Identifier: GPL-3.0-or-later
#include "raw_http_server.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

StagedReply okReply(const QByteArray &body, bool withLength)
{
    QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n";
    if (withLength)
        head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    return StagedReply {head + "\r\n", body};
}

StagedReply chunkedReply(const QByteArray &body)
{
    QByteArray encoded;
    for (qsizetype at = 0; at < body.size(); at += 1000) {
        const QByteArray piece = body.mid(at, 1000);
        encoded += QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n";
    }
    encoded += "0\r\n\r\n";
    return StagedReply {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n", encoded};
}

StagedReply statusReply(int code, const QByteArray &reason, const QByteArray &body)
{
    return StagedReply {"HTTP/1.1 " + QByteArray::number(code) + ' ' + reason + "\r\nContent-Length: "
                            + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n",
                        body};
}

QByteArray patternBytes(qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char((i * 131 + (i >> 10)) & 0xff);
    return bytes;
}

struct RawHttpServer::Connection {
    QPointer<QTcpSocket> socket;
    QByteArray request;
    StagedReply reply;
    bool answering = false;
    bool stalled = false;
    bool released = false;
    qint64 sent = 0;
};

RawHttpServer::RawHttpServer(bool listenNow)
{
    connect(&m_server, &QTcpServer::newConnection, this, &RawHttpServer::accept);
    if (listenNow)
        listen();
}

RawHttpServer::~RawHttpServer()
{
    qDeleteAll(m_connections);
}

bool RawHttpServer::listen()
{
    if (!m_server.listen(QHostAddress::LocalHost, 0))
        return false;
    m_port = m_server.serverPort();
    return true;
}

QString RawHttpServer::base() const
{
    return QStringLiteral("http://127.0.0.1:") + QString::number(m_port);
}

void RawHttpServer::stage(const QString &path, const StagedReply &reply)
{
    handle(path, [reply](const QByteArray &) { return reply; });
}

void RawHttpServer::handle(const QString &path, Handler handler)
{
    m_handlers.insert(path, std::move(handler));
}

void RawHttpServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        // Connections stay until the server goes: a handler may still be
        // running for one whose peer has gone.
        auto *connection = new Connection;
        connection->socket = socket;
        m_connections << connection;
        connect(socket, &QTcpSocket::readyRead, this, [this, connection] { readRequest(connection); });
    }
}

void RawHttpServer::readRequest(Connection *connection)
{
    if (!connection->socket)
        return;
    connection->request += connection->socket->readAll();
    const qsizetype end = connection->request.indexOf("\r\n\r\n");
    if (connection->answering || end < 0)
        return;
    connection->answering = true;
    const QByteArray head = connection->request.left(end + 4);
    const QString path = QString::fromLatin1(head.left(head.indexOf("\r\n")).split(' ').value(1));
    requestedPaths << path;
    requestHeads << head;
    const Handler handler = m_handlers.value(path);
    connection->reply = handler ? handler(head) : statusReply(404, "Not Found", "<html>Not here.</html>");
    emit requestReceived(path);
    if (connection->reply.silent || !connection->socket)
        return;
    connection->socket->write(connection->reply.head);
    sendMore(connection);
}

void RawHttpServer::sendMore(Connection *connection)
{
    QTcpSocket *socket = connection->socket;
    if (!socket || socket->state() != QAbstractSocket::ConnectedState)
        return;
    const StagedReply &reply = connection->reply;
    qint64 limit = reply.body.size();
    if (reply.stallAfter >= 0 && !connection->released)
        limit = qMin(limit, reply.stallAfter);
    if (reply.resetAfter >= 0)
        limit = qMin(limit, reply.resetAfter);

    const qint64 piece =
        reply.dripBytes > 0 ? qMin<qint64>(reply.dripBytes, limit - connection->sent) : limit - connection->sent;
    if (piece > 0) {
        socket->write(reply.body.constData() + connection->sent, piece);
        connection->sent += piece;
    }
    const qint64 sent = connection->sent;

    if (sent < limit) {
        QTimer::singleShot(reply.dripEveryMs, socket, [this, connection] { sendMore(connection); });
    } else if (reply.resetAfter >= 0 && sent == reply.resetAfter) {
        // Once the bytes are out, drop the connection with a reset instead of a close.
        auto reset = [socket] {
            if (socket->bytesToWrite() > 0)
                return;
            const linger abortive {1, 0};
            ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
            socket->abort();
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, reset);
        socket->flush();
        reset();
    } else if (sent < reply.body.size()) {
        connection->stalled = true;
    } else if (!reply.keepOpen) {
        socket->disconnectFromHost();
    }
    // Last, as a test may act on these at once.
    if (piece > 0)
        emit bodyBytesSent(sent);
    if (connection->stalled && sent == limit && !connection->released)
        emit stalled();
}

void RawHttpServer::releaseStall()
{
    for (Connection *connection : std::as_const(m_connections)) {
        if (connection->stalled) {
            connection->stalled = false;
            connection->released = true;
            sendMore(connection);
        }
    }
}
