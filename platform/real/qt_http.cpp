// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/qt_http.h"

#include "platform/event_pump.h"

#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <QScopeGuard>

#include <algorithm>

namespace platform {

namespace {

Q_LOGGING_CATEGORY(lcHttp, "horalux.update.http")

// A wait wakes at least this often even when nothing arrives; the request's
// own time-out ends a stalled transfer.
constexpr int kWakeMs = 1000;
// What QtNetwork holds of a body before we read it: the rest waits in the
// kernel, so a large download costs no more memory than a small one.
constexpr qint64 kReadBufferBytes = 256 * 1024;
// All header lines of one answer together.
constexpr qint64 kMaxHeaderBytes = 64 * 1024;
constexpr int kMaxRedirects = 5;

bool reachedNoServer(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // also how a time-out ends a request
    case QNetworkReply::SslHandshakeFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::UnknownProxyError: return true;
    default: return false;
    }
}

// Errors that stand for an HTTP status (404, 500, ...) rather than a broken transfer.
bool isStatusError(int error)
{
    return error >= QNetworkReply::ContentAccessDenied && error != QNetworkReply::ProtocolFailure;
}

} // namespace

QtHttp::QtHttp(EventPump &events, int timeoutMs) : m_events(events), m_timeoutMs(timeoutMs)
{
}

QtHttp::~QtHttp()
{
    dropReply();
}

QNetworkAccessManager &QtHttp::manager()
{
    if (!m_manager) {
        m_manager = std::make_unique<QNetworkAccessManager>();
        // Each redirect is judged in takeRedirect().
        m_manager->setRedirectPolicy(QNetworkRequest::UserVerifiedRedirectPolicy);
    }
    return *m_manager;
}

void QtHttp::dropReply()
{
    if (QNetworkReply *reply = m_reply.data()) {
        m_reply.clear();
        reply->disconnect();
        reply->abort();
        reply->deleteLater();
    }
}

void QtHttp::execute(const QString &url, const QString &userName, const QString &password)
{
    dropReply();
    ++m_generation;
    m_url = url;
    m_headersIn = false;
    m_ended = false;
    m_error = 0;
    m_redirectRefused = false;
    m_framingFault = false;
    m_headerBlock.clear();

    QUrl target(url);
    m_origin = target;
    if (!userName.isEmpty()) {
        target.setUserName(userName);
        target.setPassword(password);
    }
    // Credentials belong to one request: forget those the manager kept from another.
    if (userName != m_userName || password != m_password) {
        if (m_manager)
            m_manager->clearAccessCache();
        m_userName = userName;
        m_password = password;
    }
    QNetworkRequest request(target);
    request.setTransferTimeout(m_timeoutMs);
    // The announced length must be the length of what is saved: no compression.
    request.setRawHeader("Accept-Encoding", "identity");
    // HTTP/1.1 keeps the status line in the shape callers read it in.
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setMaximumRedirectsAllowed(kMaxRedirects);

    QNetworkReply *reply = manager().get(request);
    reply->setReadBufferSize(kReadBufferBytes);
    m_reply = reply;
    QObject::connect(reply, &QNetworkReply::redirected, reply,
                     [this, reply](const QUrl &to) { takeRedirect(reply, to); });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [this, reply] { takeHeaders(reply); });
    QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply] { takeEnd(reply); });
}

namespace {

// A header value or reason phrase as one line: a stray CR or LF becomes a blank.
QString oneLine(QByteArray text)
{
    return QString::fromLatin1(text.replace('\r', ' ').replace('\n', ' '));
}

// Why an answer's framing cannot be trusted, or nothing when it can: its
// headers in all within bounds, and its body's end told by exactly one plain
// Content-Length or by chunked coding alone (else a shorter or longer file
// than the server meant could pass as whole).
QString framingFault(const QNetworkReply &reply)
{
    qint64 headerBytes = 0;
    int lengths = 0;
    QByteArray length;
    QByteArray coding;
    for (const auto &[name, value] : reply.rawHeaderPairs()) {
        headerBytes += name.size() + value.size() + 4;
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
            // QtNetwork joins repeated headers into one value.
            lengths += int(value.count(',') + value.count('\n')) + 1;
            length = value.trimmed();
        } else if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0) {
            coding = value.trimmed().toLower();
        }
    }
    if (headerBytes > kMaxHeaderBytes)
        return QStringLiteral("headers of %1 bytes").arg(headerBytes);
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // QtNetwork 6.4 takes an interim answer (103 Early Hints) for the final
    // one and drops what follows it.
    if (status / 100 == 1)
        return QStringLiteral("an interim answer %1 in place of the final one").arg(status);
    if (status == 204 || status == 304)
        return QString(); // no body to frame
    if (!coding.isEmpty()) {
        if (coding != "chunked")
            return QStringLiteral("transfer coding ") + QString::fromLatin1(coding);
        if (lengths > 0)
            return QStringLiteral("both a length and chunked coding");
        return QString();
    }
    if (lengths != 1)
        return lengths == 0 ? QStringLiteral("neither a length nor chunked coding")
                            : QStringLiteral("%1 lengths").arg(lengths);
    const bool digitsOnly = !length.isEmpty() && length.size() <= 18
        && std::all_of(length.cbegin(), length.cend(), [](char c) { return c >= '0' && c <= '9'; });
    return digitsOnly ? QString() : QStringLiteral("the length \"%1\"").arg(QString::fromLatin1(length.left(40)));
}

} // namespace

void QtHttp::takeRedirect(QNetworkReply *reply, const QUrl &to)
{
    // Only within the server first asked: the same scheme (so https stays
    // https), host and port.
    const QUrl &from = m_origin;
    const int defaultPort = from.scheme() == QLatin1String("https") ? 443 : 80;
    if (to.scheme() == from.scheme() && to.host() == from.host() && to.port(defaultPort) == from.port(defaultPort)) {
        emit reply->redirectAllowed();
        return;
    }
    qCWarning(lcHttp) << "redirect refused from" << from.toString(QUrl::RemoveUserInfo) << "to"
                      << to.toString(QUrl::RemoveUserInfo);
    m_redirectRefused = true;
    takeHeaders(reply);
    reply->abort();
}

void QtHttp::takeHeaders(QNetworkReply *reply)
{
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return;
    // A redirect that is being followed is not the answer; one that is
    // refused (off the server asked) ends the request and is.
    if (status.toInt() / 100 == 3 && reply->hasRawHeader("Location") && !reply->isFinished() && !m_redirectRefused)
        return;
    if (m_headersIn)
        return;
    // Readers take characters 10 to 12 as the status: a code that is not three
    // digits is no answer at all, and its body is not worth waiting for.
    const int code = status.toInt();
    if (code < 100 || code > 999) {
        m_headerBlock.clear();
        m_headersIn = true;
        reply->abort();
        return;
    }
    // Every line of the block ends in CR LF and holds no other line break:
    // a stray CR becomes a blank, and a value Qt joined from repeated headers
    // goes back to one line per header.
    QString block = QStringLiteral("HTTP/1.1 ") + QString::number(code) + QLatin1Char(' ')
        + oneLine(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray()) + QStringLiteral("\r\n");
    for (const auto &[name, value] : reply->rawHeaderPairs()) {
        for (const QByteArray &part : value.split('\n'))
            block += oneLine(name) + QStringLiteral(": ") + oneLine(part) + QStringLiteral("\r\n");
    }
    m_headerBlock = block + QStringLiteral("\r\n");
    m_headersIn = true;

    if (const QString fault = framingFault(*reply); !fault.isEmpty() && !m_redirectRefused) {
        qCWarning(lcHttp) << "answer from" << reply->url().toString(QUrl::RemoveUserInfo) << "refused:" << fault;
        m_framingFault = true;
        m_error = QNetworkReply::ProtocolFailure;
        // Not from inside QtNetwork's own signal: it must finish what it is doing first.
        QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
    }
}

void QtHttp::takeEnd(QNetworkReply *reply)
{
    if (!m_headersIn)
        takeHeaders(reply);
    m_ended = true;
    m_error = int(reply->error());
    // An answer we refused is a broken transfer, not a cancelled one.
    if (m_framingFault)
        m_error = QNetworkReply::ProtocolFailure;
    if (!m_headersIn)
        m_headerBlock = reachedNoServer(reply->error()) ? QStringLiteral("HTTP/1.1 \r\n") : QString();
}

bool QtHttp::stillExecuting() const
{
    return m_openDepth > 0 || (m_reply && !m_headersIn && !m_ended);
}

QString QtHttp::headerBlock() const
{
    return m_headerBlock;
}

QString QtHttp::header(const QString &name) const
{
    if (!m_reply || !m_headersIn)
        return QString();
    // As the header block shows it: the first of repeated headers, on one line.
    return oneLine(m_reply->rawHeader(name.toLatin1()).split('\n').first());
}

QByteArray QtHttp::getChunk(qint64 maxBytes)
{
    const quint64 generation = m_generation;
    while (m_reply && generation == m_generation && maxBytes > 0 && !m_framingFault) {
        if (m_reply->bytesAvailable() > 0)
            return m_reply->read(maxBytes);
        if (m_ended)
            break;
        if (m_deadline.hasExpired()) {
            qCWarning(lcHttp) << "no whole answer from" << m_url << "in time";
            cancel();
            m_error = QNetworkReply::TimeoutError;
            break;
        }
        m_events.waitForEvents(
            m_deadline.isForever() ? kWakeMs : int(std::clamp<qint64>(m_deadline.remainingTime(), 1, kWakeMs)));
    }
    return QByteArray();
}

int QtHttp::responseCode() const
{
    return m_error;
}

void QtHttp::cancel()
{
    if (m_reply) {
        dropReply();
        m_error = QNetworkReply::OperationCanceledError;
        m_ended = true;
    }
}

std::optional<QByteArray> QtHttp::openUrl(const QString &url, qint64 maxBytes)
{
    execute(url, QString(), QString());
    // However the server trickles, the fetch ends within one time-out of its start.
    m_deadline = QDeadlineTimer(m_timeoutMs);
    const auto endless = qScopeGuard([this] { m_deadline = QDeadlineTimer(QDeadlineTimer::Forever); });
    const quint64 generation = m_generation;
    ++m_openDepth;
    QByteArray body;
    while (body.size() < maxBytes) {
        const QByteArray chunk = getChunk(std::min<qint64>(maxBytes - body.size(), 64 * 1024));
        if (chunk.isEmpty())
            break;
        body += chunk;
    }
    --m_openDepth;

    if (generation != m_generation || !m_reply || m_deadline.hasExpired())
        return std::nullopt; // cancelled, out of time, or replaced by another request
    const bool complete = m_ended;
    const bool answered = m_headersIn;
    const int error = m_error;
    dropReply(); // what lies past maxBytes is not wanted
    if (!answered || m_framingFault || (complete && error != 0 && !isStatusError(error)))
        return std::nullopt;
    return body;
}

} // namespace platform
