// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/socket_http.h"

#include "platform/event_pump.h"
#include "platform/real/http_request.h"

#include <QLoggingCategory>
#include <QNetworkProxy>
#include <QScopeGuard>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>

#include <algorithm>

namespace platform {

namespace {

Q_LOGGING_CATEGORY(lcHttp, "horalux.update.http")

// A wait wakes at least this often even when nothing arrives; the request's
// own time-out ends a stalled transfer.
constexpr int kWakeMs = 1000;
// What the socket holds before we read it, and what the reader holds of the
// body before the caller takes it: the rest waits in the kernel, so a large
// download costs no more memory than a small one.
constexpr qint64 kSocketBufferBytes = 256 * 1024;
constexpr qint64 kBodyBufferBytes = 256 * 1024;
constexpr qint64 kReadPieceBytes = 64 * 1024;
constexpr int kMaxRedirects = 5;
// Below this rate, averaged over each time-out, a transfer is given up: a
// server dripping a byte a second would otherwise hold the dialog for days.
constexpr qint64 kMinBytesPerSecond = 1024;
// What a request shows when no server answered at all.
const QString kNoServerBlock = QStringLiteral("HTTP/1.1 \r\n");

QString withoutUserInfo(const QUrl &url)
{
    return url.toString(QUrl::RemoveUserInfo);
}

// The system's proxy for this address (environment or desktop settings), as
// QtNetwork chose it; only those a socket can tunnel through count.
QNetworkProxy proxyFor(const QUrl &url)
{
    for (const QNetworkProxy &proxy : QNetworkProxyFactory::proxyForQuery(QNetworkProxyQuery(url))) {
        if (proxy.type() == QNetworkProxy::NoProxy || proxy.type() == QNetworkProxy::HttpProxy
            || proxy.type() == QNetworkProxy::Socks5Proxy)
            return proxy;
    }
    return QNetworkProxy(QNetworkProxy::NoProxy);
}

QSslConfiguration tlsConfiguration()
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setPeerVerifyMode(QSslSocket::VerifyPeer);
    // OpenSSL's programs take the authorities of SSL_CERT_FILE; Qt 6.4 does not look there.
    const QString extra = qEnvironmentVariable("SSL_CERT_FILE");
    if (!extra.isEmpty()) {
        const QList<QSslCertificate> authorities = QSslCertificate::fromPath(extra, QSsl::Pem);
        if (authorities.isEmpty())
            qCWarning(lcHttp) << "no certificate in SSL_CERT_FILE" << extra;
        configuration.setCaCertificates(QSslConfiguration::systemCaCertificates() + authorities);
    }
    return configuration;
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

SocketHttp::SocketHttp(EventPump &events, int timeoutMs) : m_events(events), m_timeoutMs(timeoutMs)
{
    m_watch.setSingleShot(true);
    QObject::connect(&m_watch, &QTimer::timeout, &m_watch, [this] { takeTimeOut(); });
}

SocketHttp::~SocketHttp()
{
    if (m_socket)
        QObject::disconnect(m_socket.get(), nullptr, nullptr, nullptr);
}

void SocketHttp::execute(const QString &url, const QString &userName, const QString &password, qint64)
{
    dropConnection();
    ++m_generation;
    m_url = url;
    m_active = true;
    m_headersIn = false;
    m_ended = false;
    m_error = NoError;
    m_redirects = 0;
    m_sendsCredentials = false;
    m_headerBlock.clear();
    m_headers.clear();
    m_userName = userName;
    m_password = password;
    m_origin = QUrl(url);
    // The header lines of the last hop must be in within one time-out of the
    // start, however the servers on the way drip them.
    m_headDeadline = QDeadlineTimer(m_timeoutMs);
    connectTo(m_origin);
}

void SocketHttp::connectTo(const QUrl &target)
{
    dropConnection();
    ++m_hop;
    m_current = target;
    m_reader.emplace();
    m_connected = false;
    const bool tls = target.scheme() == QLatin1String("https");
    if (!target.isValid() || target.host().isEmpty() || (!tls && target.scheme() != QLatin1String("http"))) {
        qCWarning(lcHttp) << "not an http or https address:" << withoutUserInfo(target);
        finish(NoServer);
        return;
    }
    QTcpSocket *socket = nullptr;
    if (tls) {
        auto *tlsSocket = new QSslSocket;
        tlsSocket->setSslConfiguration(tlsConfiguration());
        QObject::connect(tlsSocket, &QSslSocket::encrypted, tlsSocket, [this] { sendRequest(); });
        socket = tlsSocket;
    } else {
        socket = new QTcpSocket;
        QObject::connect(socket, &QTcpSocket::connected, socket, [this] { sendRequest(); });
    }
    m_socket.reset(socket);
    socket->setProxy(proxyFor(target));
    socket->setReadBufferSize(kSocketBufferBytes);
    QObject::connect(socket, &QIODevice::readyRead, socket, [this] { pull(); });
    QObject::connect(socket, &QAbstractSocket::disconnected, socket, [this] { takeEnd(); });
    QObject::connect(socket, &QAbstractSocket::errorOccurred, socket, [this] { takeSocketError(); });
    m_watch.start(int(std::max<qint64>(1, m_headDeadline.remainingTime())));
    const quint16 port = quint16(target.port(tls ? 443 : 80));
    if (tls)
        static_cast<QSslSocket *>(socket)->connectToHostEncrypted(target.host(), port);
    else
        socket->connectToHost(target.host(), port);
}

void SocketHttp::sendRequest()
{
    m_connected = true;
    const QByteArray authorization = m_sendsCredentials ? basicAuthorization(m_userName, m_password) : QByteArray();
    m_socket->write(httpGetRequest(m_current, authorization));
}

bool SocketHttp::pull(bool all)
{
    if (!m_socket || !m_reader)
        return false;
    const quint64 hop = m_hop;
    bool moved = false;
    while (m_socket->bytesAvailable() > 0) {
        const HttpResponseReader::Stage stage = m_reader->stage();
        if (stage == HttpResponseReader::Stage::Done || stage == HttpResponseReader::Stage::Failed)
            break;
        if (!all && m_headersIn && m_reader->bodyBytesReady() >= kBodyBufferBytes)
            break;
        const QByteArray piece = m_socket->read(kReadPieceBytes);
        m_windowBytes += piece.size();
        m_reader->feed(piece);
        moved = true;
        if (!m_headersIn && m_reader->headComplete()) {
            takeHead();
            if (hop != m_hop || !m_socket)
                return true; // on to another request, or ended
        }
    }
    const HttpResponseReader::Stage stage = m_reader->stage();
    if (stage == HttpResponseReader::Stage::Failed) {
        qCWarning(lcHttp) << "answer from" << withoutUserInfo(m_current) << "refused:" << m_reader->failure();
        finish(BrokenAnswer);
    } else if (stage == HttpResponseReader::Stage::Done) {
        m_ended = true;
        dropConnection();
    }
    return moved;
}

void SocketHttp::takeHead()
{
    const HttpResponseReader &reader = *m_reader;
    const int status = reader.status();
    const QByteArray location = reader.header("Location");
    if (isRedirect(status) && !location.isEmpty()) {
        const QUrl to = m_current.resolved(QUrl(QString::fromLatin1(location)));
        if (isSameServer(m_origin, to) && m_redirects < kMaxRedirects) {
            ++m_redirects;
            connectTo(to);
            return;
        }
        qCWarning(lcHttp) << "redirect refused from" << withoutUserInfo(m_origin) << "to" << withoutUserInfo(to)
                          << (m_redirects < kMaxRedirects ? "(another server)" : "(too many)");
        m_error = RedirectRefused;
    } else if (status == 401 && !m_userName.isEmpty() && !m_sendsCredentials
               && offersBasicAuthentication(reader.headers())) {
        // Credentials go out only when asked for, and once.
        m_sendsCredentials = true;
        connectTo(m_current);
        return;
    }

    m_headerBlock = reader.headerBlock();
    m_headers = reader.headers();
    m_headersIn = true;
    m_windowBytes = 0;
    m_watch.start(m_timeoutMs);
    if (m_error == RedirectRefused) {
        m_ended = true;
        dropConnection();
        return;
    }
    if (status >= 400)
        m_error = ErrorStatus;
}

void SocketHttp::takeEnd()
{
    const quint64 hop = m_hop;
    if (m_connected)
        pull(true);
    if (hop != m_hop || !m_socket)
        return;
    if (!m_connected) {
        finish(NoServer);
        return;
    }
    m_reader->endOfInput();
    if (m_reader->stage() == HttpResponseReader::Stage::Failed) {
        qCWarning(lcHttp) << "answer from" << withoutUserInfo(m_current) << "refused:" << m_reader->failure();
        finish(BrokenAnswer);
    }
}

void SocketHttp::takeSocketError()
{
    // The callers tell of a server that cannot be reached; only why TLS failed is ours to say.
    if (m_socket->error() == QAbstractSocket::SslHandshakeFailedError)
        qCWarning(lcHttp) << "no trusted TLS session with" << withoutUserInfo(m_current) << ":"
                          << m_socket->errorString();
    takeEnd();
}

void SocketHttp::takeTimeOut()
{
    if (!m_headersIn) {
        qCWarning(lcHttp) << "no whole header lines within" << m_timeoutMs << "ms from" << withoutUserInfo(m_current);
        finish(TimedOut);
        return;
    }
    const qint64 least = kMinBytesPerSecond * m_timeoutMs / 1000;
    if (m_windowBytes < least) {
        qCWarning(lcHttp) << "fewer than" << least << "bytes in" << m_timeoutMs << "ms from"
                          << withoutUserInfo(m_current);
        finish(TimedOut);
        return;
    }
    m_windowBytes = 0;
    m_watch.start(m_timeoutMs);
}

void SocketHttp::finish(Error error)
{
    m_error = error;
    m_ended = true;
    if (!m_headersIn)
        m_headerBlock = error == BrokenAnswer ? QString() : kNoServerBlock;
    dropConnection();
}

void SocketHttp::dropConnection()
{
    m_watch.stop();
    if (QTcpSocket *socket = m_socket.release()) {
        // Perhaps from inside one of its own signals: it goes once that is done.
        QObject::disconnect(socket, nullptr, nullptr, nullptr);
        socket->abort();
        socket->deleteLater();
    }
}

bool SocketHttp::stillExecuting() const
{
    return m_openDepth > 0 || (m_active && !m_headersIn && !m_ended);
}

QString SocketHttp::headerBlock() const
{
    return m_headerBlock;
}

QString SocketHttp::header(const QString &name) const
{
    if (!m_active || !m_headersIn)
        return QString();
    // As the header block shows it: the first of repeated headers.
    for (const HttpHeaderLine &line : m_headers) {
        if (QString::fromLatin1(line.name).compare(name, Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(line.value);
    }
    return QString();
}

QByteArray SocketHttp::getChunk(qint64 maxBytes)
{
    const quint64 generation = m_generation;
    while (m_active && generation == m_generation && maxBytes > 0) {
        if (m_headersIn && m_reader && m_reader->bodyBytesReady() > 0) {
            const QByteArray piece = m_reader->takeBody(maxBytes);
            if (m_socket)
                pull();
            return piece;
        }
        if (m_ended)
            break;
        if (m_deadline.hasExpired()) {
            qCWarning(lcHttp) << "no whole answer from" << withoutUserInfo(m_current) << "in time";
            finish(TimedOut);
            break;
        }
        if (pull())
            continue;
        m_events.waitForEvents(
            m_deadline.isForever() ? kWakeMs : int(std::clamp<qint64>(m_deadline.remainingTime(), 1, kWakeMs)));
    }
    return QByteArray();
}

int SocketHttp::responseCode() const
{
    return m_error;
}

void SocketHttp::cancel()
{
    if (!m_active)
        return;
    dropConnection();
    m_reader.reset();
    m_active = false;
    m_ended = true;
    m_error = Cancelled;
}

std::optional<QByteArray> SocketHttp::openUrl(const QString &url, qint64 maxBytes)
{
    execute(url, QString(), QString(), maxBytes);
    // However the server trickles, the fetch ends within one time-out of its start.
    m_deadline = QDeadlineTimer(m_timeoutMs);
    const auto endless = qScopeGuard([this] { m_deadline = QDeadlineTimer(QDeadlineTimer::Forever); });
    const quint64 generation = m_generation;
    ++m_openDepth;
    QByteArray body;
    while (body.size() < maxBytes) {
        const QByteArray chunk = getChunk(std::min<qint64>(maxBytes - body.size(), kReadPieceBytes));
        if (chunk.isEmpty())
            break;
        body += chunk;
    }
    --m_openDepth;

    if (generation != m_generation || !m_active || m_deadline.hasExpired())
        return std::nullopt; // cancelled, out of time, or replaced by another request
    const bool complete = m_ended;
    const bool answered = m_headersIn;
    const int error = m_error;
    // What lies past maxBytes is not wanted.
    dropConnection();
    m_reader.reset();
    m_active = false;
    if (!answered || (complete && error != NoError && error != ErrorStatus))
        return std::nullopt;
    return body;
}

} // namespace platform
