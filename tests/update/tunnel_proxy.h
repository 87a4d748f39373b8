// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>

// A proxy on 127.0.0.1 and a free port that speaks HTTP CONNECT and SOCKS5
// and tunnels to 127.0.0.1 whatever host it is asked for, so a test sees
// whether a client came through it and what it asked and said.
class TunnelProxy final : public QObject {
    Q_OBJECT

public:
    struct Visit {
        QByteArray kind;        // "CONNECT" or "SOCKS5"
        QByteArray target;      // the host (a name, or an address as sent) and port asked for
        QByteArray credentials; // the Proxy-Authorization value, or SOCKS5's "user:password"
    };

    TunnelProxy();
    quint16 port() const { return m_server.serverPort(); }
    // "127.0.0.1:<port>"
    QString address() const;

    // Answer CONNECT without credentials with 407 (asking for Basic), and
    // offer SOCKS5 no way in but a user name and password.
    bool demandCredentials = false;
    QList<Visit> visits;

private:
    class Connection;
    QTcpServer m_server;
};
