// SPDX-License-Identifier: GPL-3.0-or-later
#include "http/curl_http.h"

#include "http/http_log.h"
#include "platform/event_pump.h"

#include <QScopeGuard>

#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <algorithm>
#include <utility>

#include <sys/socket.h>

namespace platform {

namespace {

// A wait wakes at least this often even when nothing arrives.
constexpr int kWakeMs = 1000;
// What waits here of the body before the caller takes it; past it the
// transfer pauses and the rest waits in the kernel, so a large download
// costs no more memory than a small one.
constexpr qint64 kBodyBufferBytes = 256 * 1024;
constexpr qint64 kReadPieceBytes = 64 * 1024;
// Status and header lines of every answer on a hop, line ends counted.
constexpr qint64 kMaxHeaderBytes = 64 * 1024;
constexpr int kMaxRedirects = 5;
// Below this rate, averaged over each time-out, a transfer is given up: a
// server dripping a byte a second would otherwise hold the dialog for days.
constexpr qint64 kMinBytesPerSecond = 1024;

QString withoutUserInfo(const QUrl &url)
{
    return url.toString(QUrl::RemoveUserInfo);
}

int defaultPort(const QUrl &url)
{
    return url.scheme() == QLatin1String("https") ? 443 : 80;
}

// Where a redirect may lead: never from https to http, never elsewhere.
bool isSameServer(const QUrl &a, const QUrl &b)
{
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0
        && a.port(defaultPort(a)) == b.port(defaultPort(b));
}

bool isRedirect(long status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The value of the first header line of that name (any letter case), if any.
std::optional<QByteArray> valueOf(const QList<QByteArray> &lines, QByteArrayView name)
{
    for (const QByteArray &line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return std::nullopt;
}

// Why the end of the answer's body could not be told for certain, or empty:
// exactly one all-digit length, or chunked coding alone. Else a shorter or
// longer body than the server meant could pass as whole.
QString framingFault(const QList<QByteArray> &lines)
{
    int lengths = 0;
    int codings = 0;
    QByteArray length;
    QByteArray coding;
    for (const QByteArray &line : lines) {
        const qsizetype colon = line.indexOf(':');
        const QByteArray name = line.left(std::max<qsizetype>(colon, 0)).trimmed();
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
            ++lengths;
            length = line.mid(colon + 1).trimmed();
        } else if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0) {
            ++codings;
            coding = line.mid(colon + 1).trimmed();
        }
    }
    if (codings > 0) {
        if (codings > 1 || coding.compare("chunked", Qt::CaseInsensitive) != 0)
            return QStringLiteral("the transfer coding \"%1\"").arg(QString::fromLatin1(coding.left(40)));
        return lengths > 0 ? QStringLiteral("both a length and chunked coding") : QString();
    }
    if (lengths != 1)
        return lengths == 0 ? QStringLiteral("neither a length nor chunked coding")
                            : QStringLiteral("%1 lengths").arg(lengths);
    if (length.isEmpty() || length.size() > 18 || !std::all_of(length.cbegin(), length.cend(), isDigit))
        return QStringLiteral("the length \"%1\"").arg(QString::fromLatin1(length.left(40)));
    return QString();
}

// Why the answer's body is not the bytes the server meant, or empty: any
// content coding but identity (decoding it would change what is saved).
QString contentCodingFault(const QList<QByteArray> &lines)
{
    for (const QByteArray &line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || line.left(colon).trimmed().compare("Content-Encoding", Qt::CaseInsensitive) != 0)
            continue;
        for (const QByteArray &coding : line.mid(colon + 1).split(',')) {
            if (!coding.trimmed().isEmpty() && coding.trimmed().compare("identity", Qt::CaseInsensitive) != 0)
                return QStringLiteral("the content coding \"%1\"").arg(QString::fromLatin1(coding.trimmed().left(40)));
        }
    }
    return QString();
}

// libcurl 7.88 opens its sockets without close-on-exec, and keeps finished
// connections: a program started meanwhile would inherit them.
curl_socket_t openCloseOnExec(void *, curlsocktype, curl_sockaddr *address)
{
    return ::socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
}

// OpenSSL's programs take the authorities of SSL_CERT_FILE; libcurl does
// not, so they are added to the system's for each connection.
CURLcode addCertificateFile(CURL *, void *tlsContext, void *file)
{
    X509_STORE *store = SSL_CTX_get_cert_store(static_cast<SSL_CTX *>(tlsContext));
    const QByteArray &path = *static_cast<const QByteArray *>(file);
    if (X509_STORE_load_file(store, path.constData()) != 1) {
        qCWarning(lcHttp) << "no certificate in SSL_CERT_FILE" << path;
        ERR_clear_error();
    }
    return CURLE_OK;
}

bool isTlsFailure(CURLcode result)
{
    return result == CURLE_SSL_CONNECT_ERROR || result == CURLE_PEER_FAILED_VERIFICATION
        || result == CURLE_SSL_CERTPROBLEM || result == CURLE_SSL_CIPHER || result == CURLE_SSL_CACERT_BADFILE
        || result == CURLE_SSL_ISSUER_ERROR;
}

// No server to speak with, as against one that broke off its answer.
bool reachedNoServer(CURLcode result, long proxyStatus)
{
    return isTlsFailure(result) || result == CURLE_COULDNT_RESOLVE_PROXY || result == CURLE_COULDNT_RESOLVE_HOST
        || result == CURLE_COULDNT_CONNECT || result == CURLE_PROXY || (proxyStatus != 0 && proxyStatus / 100 != 2);
}

} // namespace

CurlHttp::CurlHttp(EventPump &events, int timeoutMs) : m_events(events), m_timeoutMs(timeoutMs)
{
    m_requestHeaders.reset(curl_slist_append(nullptr, "Accept-Encoding: identity"));
    m_multi.finished = [this](CURL *easy, CURLcode result) { finished(easy, result); };
    m_watch.setSingleShot(true);
    QObject::connect(&m_watch, &QTimer::timeout, &m_watch, [this] { takeTimeOut(); });
}

CurlHttp::~CurlHttp()
{
    stopTransfer();
}

void CurlHttp::execute(const QString &url, const QString &userName, const QString &password, qint64 maxBytes)
{
    begin(url, userName, password, maxBytes, false);
}

void CurlHttp::begin(const QString &url, const QString &userName, const QString &password, qint64 maxBytes,
                     bool cutAtMax)
{
    stopTransfer();
    ++m_generation;
    m_url = url;
    m_active = true;
    m_headersIn = false;
    m_ended = false;
    m_refused = false;
    m_error = NoError;
    m_redirects = 0;
    m_sendsCredentials = false;
    m_status = Unanswered;
    m_shownStatusLine.clear();
    m_headers.clear();
    clearBody();
    m_received = 0;
    m_maxBytes = maxBytes;
    m_cutAtMax = cutAtMax;
    m_reachedMax = false;
    m_userName = userName;
    m_password = password;
    m_origin = QUrl(url);
    // The header lines of the last hop must be in within one time-out of the
    // start, however the servers on the way drip them.
    m_headDeadline = QDeadlineTimer(m_timeoutMs);
    start(m_origin);
}

void CurlHttp::start(const QUrl &target)
{
    stopTransfer();
    m_current = target;
    m_nextHop.reset();
    m_headBytes = 0;
    m_betweenAnswers = true;
    m_statusLine.clear();
    m_lines.clear();
    const bool tls = target.scheme() == QLatin1String("https");
    if (!target.isValid() || target.host().isEmpty() || (!tls && target.scheme() != QLatin1String("http"))) {
        qCWarning(lcHttp) << "not an http or https address:" << withoutUserInfo(target);
        finish(NoServer);
        return;
    }
    m_easy = curl_easy_init();
    if (!m_easy) {
        finish(NoServer);
        return;
    }
    CURL *easy = m_easy;
    // libcurl copies what it is given.
    curl_easy_setopt(easy, CURLOPT_URL, target.toEncoded(QUrl::RemoveUserInfo | QUrl::RemoveFragment).constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    // The rules of what counts as an answer are HTTP/1.1's.
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(easy, CURLOPT_USERAGENT, "Mozilla/5.0");
    // The signed bytes are the bytes saved: no content coding asked for, and
    // none undone (CURLOPT_ACCEPT_ENCODING would undo whatever comes).
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, m_requestHeaders.get());
    curl_easy_setopt(easy, CURLOPT_HTTP_CONTENT_DECODING, 0L);
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETFUNCTION, &openCloseOnExec);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // Pieces of 16 KiB (libcurl's own) cost a tenth of the loopback throughput.
    curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, 128L * 1024);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    // A proxy is a tunnel for plain http too, and its own answer is not ours.
    curl_easy_setopt(easy, CURLOPT_HTTPPROXYTUNNEL, 1L);
    curl_easy_setopt(easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, m_curlError);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &CurlHttp::takeHeaderLine);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &CurlHttp::takeBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    if (m_sendsCredentials) {
        curl_easy_setopt(easy, CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC));
        curl_easy_setopt(easy, CURLOPT_USERNAME, m_userName.toUtf8().constData());
        curl_easy_setopt(easy, CURLOPT_PASSWORD, m_password.toUtf8().constData());
    }
    // libcurl leaves HTTP_PROXY alone for CGI programs' sake (a request's
    // Proxy header turns into it there); here it is the user's, as the other
    // proxy variables in capitals are.
    if (const QByteArray capitals = qgetenv("HTTP_PROXY");
        !tls && !capitals.isEmpty() && !qEnvironmentVariableIsSet("http_proxy"))
        curl_easy_setopt(easy, CURLOPT_PROXY, capitals.constData());
    m_certFile = qgetenv("SSL_CERT_FILE");
    if (tls && !m_certFile.isEmpty()) {
        // A store kept between connections would keep the file's authorities after it is unset.
        curl_easy_setopt(easy, CURLOPT_CA_CACHE_TIMEOUT, 0L);
        curl_easy_setopt(easy, CURLOPT_SSL_CTX_FUNCTION, &addCertificateFile);
        curl_easy_setopt(easy, CURLOPT_SSL_CTX_DATA, &m_certFile);
    }
    m_curlError[0] = '\0';
    m_watch.start(int(std::max<qint64>(1, m_headDeadline.remainingTime())));
    m_multi.add(easy);
}

size_t CurlHttp::takeHeaderLine(char *data, size_t size, size_t count, void *self)
{
    const size_t bytes = size * count;
    return static_cast<CurlHttp *>(self)->headerLine(QByteArray(data, qsizetype(bytes))) ? bytes : 0;
}

size_t CurlHttp::takeBody(char *data, size_t size, size_t count, void *self)
{
    return static_cast<CurlHttp *>(self)->body(data, size * count);
}

bool CurlHttp::headerLine(QByteArray line)
{
    m_headBytes += line.size();
    if (m_headBytes > kMaxHeaderBytes) {
        refuse(QStringLiteral("header lines longer than %1 bytes").arg(kMaxHeaderBytes));
        return false;
    }
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    // No line of the header block holds a CR or LF.
    line.replace('\r', ' ');
    if (m_betweenAnswers) {
        m_statusLine = line;
        m_lines.clear();
        m_betweenAnswers = false;
        return true;
    }
    if (line.isEmpty()) {
        m_betweenAnswers = true;
        return endOfAnswer();
    }
    if ((line.startsWith(' ') || line.startsWith('\t')) && !m_lines.isEmpty())
        m_lines.last() += ' ' + line.trimmed(); // a folded line goes on the one before
    else
        m_lines.append(line);
    return true;
}

bool CurlHttp::endOfAnswer()
{
    long status = 0;
    curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
    if (status / 100 == 1) {
        if (status == 101) {
            keepHead(status); // the answer shows, as refused
            refuse(QStringLiteral("a change of protocol (101)"));
            return false;
        }
        return true; // an interim answer (103 Early Hints): the final one follows
    }
    if (const std::optional<QByteArray> location = valueOf(m_lines, "Location");
        isRedirect(status) && location && !location->isEmpty()) {
        const QUrl to = m_current.resolved(QUrl(QString::fromLatin1(*location)));
        if (isSameServer(m_origin, to) && m_redirects < kMaxRedirects) {
            ++m_redirects;
            m_nextHop = to;
            return false;
        }
        qCWarning(lcHttp) << "redirect refused from" << withoutUserInfo(m_origin) << "to" << withoutUserInfo(to)
                          << (m_redirects < kMaxRedirects ? "(another server)" : "(too many)");
        keepHead(status);
        m_error = RedirectRefused;
        m_refused = true;
        return false;
    }
    if (status == 401 && !m_userName.isEmpty() && !m_sendsCredentials) {
        // Credentials go out only when asked for, and once.
        long offered = 0;
        curl_easy_getinfo(m_easy, CURLINFO_HTTPAUTH_AVAIL, &offered);
        if (offered & CURLAUTH_BASIC) {
            m_sendsCredentials = true;
            m_nextHop = m_current;
            return false;
        }
    }
    if (status != 204 && status != 304) {
        QString fault = framingFault(m_lines);
        if (fault.isEmpty())
            fault = contentCodingFault(m_lines);
        if (!fault.isEmpty()) {
            keepHead(status);
            refuse(fault);
            return false;
        }
    }
    keepHead(status);
    if (status != 200) {
        m_error = ErrorStatus;
        return true;
    }
    if (const qint64 length = valueOf(m_lines, "Content-Length").value_or("0").toLongLong();
        !m_cutAtMax && length > m_maxBytes) {
        qCWarning(lcHttp) << "refused" << withoutUserInfo(m_current) << "of" << length << "bytes, more than"
                          << m_maxBytes;
        m_error = TooLarge;
        m_refused = true;
        return false;
    }
    return true;
}

void CurlHttp::keepHead(long status)
{
    // "HTTP/1.1 200 OK": the reason follows the code's blank.
    const QByteArray reason = m_statusLine.mid(m_statusLine.indexOf(' ') + 5);
    m_status = int(status);
    m_shownStatusLine =
        QStringLiteral("HTTP/1.1 ") + QString::number(status) + QLatin1Char(' ') + QString::fromLatin1(reason);
    m_headers = m_lines;
    m_headersIn = true;
    m_windowBytes = 0;
    m_watch.start(m_timeoutMs);
}

size_t CurlHttp::body(const char *data, size_t size)
{
    if (!m_headersIn)
        return size; // of no answer we keep
    if (m_bodyReady >= kBodyBufferBytes) {
        m_paused = true;
        return CURL_WRITEFUNC_PAUSE;
    }
    qint64 take = qint64(size);
    if (m_received + take > m_maxBytes) {
        if (!m_cutAtMax) {
            qCWarning(lcHttp) << "refused" << withoutUserInfo(m_current) << "past" << m_maxBytes << "bytes";
            m_error = TooLarge;
            m_refused = true;
            return 0;
        }
        take = m_maxBytes - m_received;
        m_reachedMax = true;
    }
    if (take > 0) {
        m_body.emplace_back(data, qsizetype(take));
        m_bodyReady += take;
        m_received += take;
        m_windowBytes += take;
    }
    return m_reachedMax ? 0 : size;
}

void CurlHttp::refuse(const QString &why)
{
    qCWarning(lcHttp) << "answer from" << withoutUserInfo(m_current) << "refused:" << why;
    m_error = BrokenAnswer;
    m_refused = true;
}

void CurlHttp::finished(CURL *easy, CURLcode result)
{
    if (easy != m_easy)
        return;
    long proxyStatus = 0;
    curl_easy_getinfo(easy, CURLINFO_HTTP_CONNECTCODE, &proxyStatus);
    stopTransfer();
    if (m_nextHop) {
        start(*m_nextHop);
        return;
    }
    if (m_refused) {
        finish(Error(m_error));
        return;
    }
    if (result == CURLE_OK || (m_reachedMax && result == CURLE_WRITE_ERROR)) {
        m_ended = true;
        return;
    }
    if (m_headersIn) {
        qCWarning(lcHttp) << "answer from" << withoutUserInfo(m_current) << "cut short:" << m_curlError;
        finish(BrokenAnswer);
        return;
    }
    // The callers tell of a server that cannot be reached; only why TLS failed is ours to say.
    if (isTlsFailure(result))
        qCWarning(lcHttp) << "no trusted TLS session with" << withoutUserInfo(m_current) << ":" << m_curlError;
    finish(reachedNoServer(result, proxyStatus) ? NoServer : BrokenAnswer);
}

void CurlHttp::takeTimeOut()
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

void CurlHttp::finish(Error error)
{
    m_error = error;
    m_ended = true;
    if (!m_headersIn)
        m_status = error == BrokenAnswer ? Unanswered : Unreached;
    stopTransfer();
}

void CurlHttp::stopTransfer()
{
    m_watch.stop();
    m_paused = false;
    if (CURL *easy = std::exchange(m_easy, nullptr)) {
        m_multi.remove(easy);
        curl_easy_cleanup(easy);
    }
}

void CurlHttp::clearBody()
{
    m_body.clear();
    m_bodyTaken = 0;
    m_bodyReady = 0;
}

bool CurlHttp::stillExecuting() const
{
    return m_openDepth > 0 || (m_active && !m_headersIn && !m_ended);
}

int CurlHttp::status() const
{
    return m_status;
}

QString CurlHttp::statusLine() const
{
    return m_shownStatusLine;
}

QString CurlHttp::header(const QString &name) const
{
    if (!m_active || !m_headersIn)
        return QString();
    // As the header block shows it: the first of repeated headers.
    return QString::fromLatin1(valueOf(m_headers, name.toLatin1()).value_or(QByteArray()));
}

QByteArray CurlHttp::takePiece(qint64 maxBytes)
{
    const QByteArray &first = m_body.front();
    const qint64 size = std::min<qint64>(maxBytes, first.size() - m_bodyTaken);
    QByteArray piece = m_bodyTaken == 0 && size == first.size() ? first : first.mid(m_bodyTaken, size);
    m_bodyTaken += size;
    m_bodyReady -= size;
    if (m_bodyTaken == first.size()) {
        m_body.pop_front();
        m_bodyTaken = 0;
    }
    if (m_paused && m_easy && m_bodyReady < kBodyBufferBytes) {
        m_paused = false;
        // What libcurl held back may come in here, through takeBody().
        if (curl_easy_pause(m_easy, CURLPAUSE_CONT) != CURLE_OK)
            finish(m_refused ? Error(m_error) : BrokenAnswer);
    }
    return piece;
}

QByteArray CurlHttp::getChunk(qint64 maxBytes)
{
    const quint64 generation = m_generation;
    bool pieceReady = false;
    m_events.waitUntil(
        [&] {
            if (!m_active || generation != m_generation || maxBytes <= 0)
                return true;
            pieceReady = m_headersIn && m_bodyReady > 0;
            if (pieceReady || m_ended)
                return true;
            if (m_deadline.hasExpired()) {
                qCWarning(lcHttp) << "no whole answer from" << withoutUserInfo(m_current) << "in time";
                finish(TimedOut);
                return true;
            }
            return false;
        },
        [this] {
            return m_deadline.isForever() ? kWakeMs : int(std::clamp<qint64>(m_deadline.remainingTime(), 1, kWakeMs));
        });
    return pieceReady ? takePiece(maxBytes) : QByteArray();
}

int CurlHttp::responseCode() const
{
    return m_error;
}

void CurlHttp::cancel()
{
    if (!m_active)
        return;
    stopTransfer();
    clearBody();
    m_active = false;
    m_ended = true;
    m_error = Cancelled;
}

std::optional<QByteArray> CurlHttp::openUrl(const QString &url, qint64 maxBytes)
{
    begin(url, QString(), QString(), maxBytes, true);
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
    stopTransfer();
    clearBody();
    m_active = false;
    if (!answered || (complete && error != NoError && error != ErrorStatus))
        return std::nullopt;
    return body;
}

} // namespace platform
