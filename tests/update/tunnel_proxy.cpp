// SPDX-License-Identifier: GPL-3.0-or-later
#include "tunnel_proxy.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QtEndian>

#include <utility>

// One client's connection: the handshake, then bytes both ways.
class TunnelProxy::Connection final : public QObject {
public:
    Connection(TunnelProxy &proxy, QTcpSocket *client) : QObject(&proxy), m_proxy(proxy), m_client(client)
    {
        client->setParent(this);
        connect(client, &QTcpSocket::readyRead, this, &Connection::read);
        connect(client, &QTcpSocket::disconnected, this, [this] {
            if (m_origin)
                m_origin->disconnectFromHost();
        });
    }

private:
    enum class Stage { Start, SocksMethods, SocksPassword, SocksRequest, HttpHead, Tunnel, Closed };

    void read()
    {
        m_in += m_client->readAll();
        while (step()) {}
    }
    // Reads what the input holds of the current stage; false when it needs more.
    bool step()
    {
        const auto byte = [this](qsizetype at) { return quint8(m_in.at(at)); };
        switch (m_stage) {
        case Stage::Start:
            if (m_in.isEmpty())
                return false;
            m_stage = byte(0) == 5 ? Stage::SocksMethods : Stage::HttpHead;
            return true;
        case Stage::SocksMethods: {
            if (m_in.size() < 2 || m_in.size() < 2 + byte(1))
                return false;
            const QByteArray methods = m_in.mid(2, byte(1));
            m_in.remove(0, 2 + byte(1));
            // A user name and password when offered (so the test sees them), else none if allowed.
            const char method =
                methods.contains('\x02') ? 2 : (methods.contains('\0') && !m_proxy.demandCredentials ? 0 : -1);
            m_client->write(QByteArray("\x05") + method);
            m_stage = method == 2 ? Stage::SocksPassword : method == 0 ? Stage::SocksRequest : close();
            return m_stage != Stage::Closed;
        }
        case Stage::SocksPassword: {
            if (m_in.size() < 2 || m_in.size() < 3 + byte(1) || m_in.size() < 3 + byte(1) + byte(2 + byte(1)))
                return false;
            const int userLength = byte(1);
            const int passwordLength = byte(2 + userLength);
            m_credentials = m_in.mid(2, userLength) + ':' + m_in.mid(3 + userLength, passwordLength);
            m_in.remove(0, 3 + userLength + passwordLength);
            m_client->write(QByteArray("\x01\x00", 2));
            m_stage = Stage::SocksRequest;
            return true;
        }
        case Stage::SocksRequest: {
            if (m_in.size() < 5)
                return false;
            const int type = byte(3);
            const qsizetype addressLength = type == 1 ? 4 : type == 4 ? 16 : type == 3 ? 1 + byte(4) : -1;
            if (addressLength < 0 || byte(1) != 1) {
                m_stage = close();
                return false;
            }
            if (m_in.size() < 4 + addressLength + 2)
                return false;
            const QByteArray address = m_in.mid(4, addressLength);
            const quint16 port = qFromBigEndian<quint16>(m_in.constData() + 4 + addressLength);
            m_in.remove(0, 4 + addressLength + 2);
            const QByteArray host = type == 3 ? address.mid(1)
                : type == 1 ? QHostAddress(qFromBigEndian<quint32>(address.constData())).toString().toLatin1()
                            : QHostAddress(reinterpret_cast<const quint8 *>(address.constData())).toString().toLatin1();
            openTunnel("SOCKS5", host, port, QByteArray("\x05\x00\x00\x01\0\0\0\0\0\0", 10));
            return false;
        }
        case Stage::HttpHead: {
            const qsizetype end = m_in.indexOf("\r\n\r\n");
            if (end < 0)
                return false;
            const QByteArray head = m_in.left(end + 2);
            m_in.remove(0, end + 4);
            const QList<QByteArray> request = head.left(head.indexOf("\r\n")).split(' ');
            QByteArray credentials;
            for (const QByteArray &line : head.split('\n')) {
                if (line.toLower().startsWith("proxy-authorization:"))
                    credentials = line.mid(20).trimmed();
            }
            const QByteArray target = request.value(1);
            const qsizetype colon = target.lastIndexOf(':');
            if (request.value(0) != "CONNECT" || colon < 0) {
                m_client->write("HTTP/1.1 405 Method Not Allowed\r\nContent-Length: 0\r\n\r\n");
                m_stage = close();
                return false;
            }
            m_credentials = credentials;
            if (m_proxy.demandCredentials && credentials.isEmpty()) {
                m_proxy.visits << Visit {"CONNECT", target, QByteArray()};
                m_client->write("HTTP/1.1 407 Proxy Authentication Required\r\nProxy-Authenticate: Basic "
                                "realm=\"proxy\"\r\nContent-Length: 0\r\n\r\n");
                m_stage = Stage::HttpHead; // a client with credentials may ask again
                return true;
            }
            openTunnel("CONNECT", target.left(colon), target.mid(colon + 1).toUShort(),
                       "HTTP/1.1 200 Connection established\r\n\r\n");
            return false;
        }
        case Stage::Tunnel:
            if (!m_in.isEmpty() && m_origin->state() == QAbstractSocket::ConnectedState)
                m_origin->write(std::exchange(m_in, QByteArray()));
            return false;
        case Stage::Closed: return false;
        }
        return false;
    }
    // Whatever host was asked for, the tunnel leads to this machine.
    void openTunnel(const QByteArray &kind, const QByteArray &host, quint16 port, const QByteArray &granted)
    {
        m_proxy.visits << Visit {kind, host + ':' + QByteArray::number(port), m_credentials};
        m_stage = Stage::Tunnel;
        m_origin = new QTcpSocket(this);
        connect(m_origin, &QTcpSocket::connected, this, [this, granted] {
            m_client->write(granted);
            step();
        });
        connect(m_origin, &QTcpSocket::readyRead, this, [this] { m_client->write(m_origin->readAll()); });
        connect(m_origin, &QTcpSocket::disconnected, this, [this] { m_client->disconnectFromHost(); });
        connect(m_origin, &QTcpSocket::errorOccurred, this, [this] {
            if (m_origin->state() != QAbstractSocket::ConnectedState)
                m_stage = close();
        });
        m_origin->connectToHost(QHostAddress::LocalHost, port);
    }
    Stage close()
    {
        m_client->disconnectFromHost();
        return Stage::Closed;
    }

    TunnelProxy &m_proxy;
    QTcpSocket *m_client;
    QTcpSocket *m_origin = nullptr;
    Stage m_stage = Stage::Start;
    QByteArray m_in;
    QByteArray m_credentials;
};

TunnelProxy::TunnelProxy()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *client = m_server.nextPendingConnection())
            new Connection(*this, client);
    });
}

QString TunnelProxy::address() const
{
    return QStringLiteral("127.0.0.1:") + QString::number(port());
}
