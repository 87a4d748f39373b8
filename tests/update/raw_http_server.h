// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

// What the server sends for one request, fault and all.
struct StagedReply {
    QByteArray head; // status line and header lines, sent as they are
    QByteArray body;
    qint64 stallAfter = -1; // send this much of the body, then wait for releaseStall()
    qint64 resetAfter = -1; // send this much of the body, then reset the connection
    int dripBytes = 0;      // send the body in pieces of this size ...
    int dripEveryMs = 0;    // ... this far apart
    bool keepOpen = false;  // leave the connection open after the body
    bool silent = false;    // read the request, never answer
};

StagedReply okReply(const QByteArray &body, bool withLength = true);
StagedReply chunkedReply(const QByteArray &body);
StagedReply statusReply(int code, const QByteArray &reason, const QByteArray &body = QByteArray());
// Distinct bytes, so a misplaced or lost piece shows.
QByteArray patternBytes(qint64 size);

// An HTTP server on 127.0.0.1 and a free port that speaks raw HTTP, so every
// fault can be staged. Lives in the thread it is made in, or the one it is
// moved to before listen().
class RawHttpServer final : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<StagedReply(const QByteArray &requestHead)>;

    explicit RawHttpServer(bool listenNow = true);
    ~RawHttpServer() override;

    Q_INVOKABLE bool listen();
    quint16 port() const { return m_port; }
    // "http://127.0.0.1:<port>"
    QString base() const;

    void stage(const QString &path, const StagedReply &reply);
    void handle(const QString &path, Handler handler);
    // Sends the rest of every stalled body.
    void releaseStall();

    QStringList requestedPaths;
    QList<QByteArray> requestHeads;

signals:
    void requestReceived(const QString &path);
    void bodyBytesSent(qint64 total);
    void stalled();

private:
    struct Connection;
    void accept();
    void readRequest(Connection *connection);
    void sendMore(Connection *connection);

    QTcpServer m_server {this};
    quint16 m_port = 0;
    QHash<QString, Handler> m_handlers;
    QList<Connection *> m_connections;
};
