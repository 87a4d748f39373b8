#include "platform/real/qt_http.h"

#include "platform/event_pump.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <algorithm>

namespace platform {

namespace {

// A wait wakes at least this often even when nothing arrives; the request's
// own time-out ends a stalled transfer.
constexpr int kWakeMs = 1000;

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
    case QNetworkReply::UnknownProxyError:
        return true;
    default:
        return false;
    }
}

// Errors that stand for an HTTP status (404, 500, ...) rather than a broken transfer.
bool isStatusError(int error)
{
    return error >= QNetworkReply::ContentAccessDenied && error != QNetworkReply::ProtocolFailure;
}

} // namespace

QtHttp::QtHttp(EventPump &events, int timeoutMs)
    : m_events(events),
      m_timeoutMs(timeoutMs)
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
        // Follow redirects, but never from https:// down to http://.
        m_manager->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
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
    m_headerBlock.clear();

    QUrl target(url);
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

    QNetworkReply *reply = manager().get(request);
    m_reply = reply;
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [this, reply] { takeHeaders(reply); });
    QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply] { takeEnd(reply); });
}

namespace {

// A header value or reason phrase as one line: a stray CR or LF becomes a blank.
QString oneLine(QByteArray text)
{
    return QString::fromLatin1(text.replace('\r', ' ').replace('\n', ' '));
}

} // namespace

void QtHttp::takeHeaders(QNetworkReply *reply)
{
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return;
    // A redirect that is being followed is not the answer; one that is not
    // followed (to a less safe scheme) ends the request and is.
    if (status.toInt() / 100 == 3 && reply->hasRawHeader("Location") && !reply->isFinished())
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
}

void QtHttp::takeEnd(QNetworkReply *reply)
{
    if (!m_headersIn)
        takeHeaders(reply);
    m_ended = true;
    m_error = int(reply->error());
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
    while (m_reply && generation == m_generation && maxBytes > 0) {
        if (m_reply->bytesAvailable() > 0)
            return m_reply->read(maxBytes);
        if (m_ended)
            break;
        m_events.waitForEvents(kWakeMs);
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

    if (generation != m_generation || !m_reply)
        return std::nullopt; // cancelled, or replaced by another request
    const bool complete = m_ended;
    const bool answered = m_headersIn;
    const int error = m_error;
    dropReply(); // what lies past maxBytes is not wanted
    if (!answered || (complete && error != 0 && !isStatusError(error)))
        return std::nullopt;
    return body;
}

} // namespace platform
