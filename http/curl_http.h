// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "http/curl_multi.h"
#include "platform/http.h"

#include <QDeadlineTimer>
#include <QList>
#include <QTimer>
#include <QUrl>

#include <deque>
#include <memory>

namespace platform {

class EventPump;

// The transfer control on libcurl: one GET at a time over HTTP/1.1, on the
// window's thread (CurlMulti). libcurl does the connections, TLS with the
// system's authorities (and those of the file SSL_CERT_FILE names), the proxy
// the environment names and the framing of the answer; the rules of what
// counts as an answer are ours: redirects followed one hop at a time, only on
// the server first asked; credentials only after a 401 that asks for Basic,
// once; interim 1xx answers passed over, 101 refused; exactly one length or
// chunked coding; no content coding, so the bytes kept are the bytes sent;
// header lines at most 64 KiB; only a 200 is an answer
// without error; deadlines, a least rate and the body's size cap. The body
// flows through a bounded buffer, so a large file never sits whole in memory.
class CurlHttp final : public Http {
public:
    static constexpr int kDefaultTimeoutMs = 60'000;

    // The errors responseCode() reports.
    enum Error {
        NoError = 0,
        NoServer, // no connection, no verified TLS session, or the proxy refused
        TimedOut, // see the constructor, or openUrl() ran out of time
        Cancelled,
        BrokenAnswer,    // not HTTP/1, framing not to be trusted, closed early, body cut short
        RedirectRefused, // off the server first asked, or too many
        ErrorStatus,     // any final status but 200; the body is the server's page
        TooLarge,        // a body past the size asked for
    };

    // timeoutMs: how long a request may take until its answer's header lines
    // are in, how long openUrl() may take in all, and the window over which a
    // body must come at 1 KiB/s at least.
    explicit CurlHttp(EventPump &events, int timeoutMs = kDefaultTimeoutMs);
    ~CurlHttp() override;
    CurlHttp(const CurlHttp &) = delete;
    CurlHttp &operator=(const CurlHttp &) = delete;

    std::optional<QByteArray> openUrl(const QString &url, qint64 maxBytes) override;
    void execute(const QString &url, const QString &userName, const QString &password, qint64 maxBytes) override;
    bool stillExecuting() const override;
    int status() const override;
    QString statusLine() const override;
    QString header(const QString &name) const override;
    QByteArray getChunk(qint64 maxBytes) override;
    int responseCode() const override;
    QString url() const override { return m_url; }
    void cancel() override;

private:
    static size_t takeHeaderLine(char *data, size_t size, size_t count, void *self);
    static size_t takeBody(char *data, size_t size, size_t count, void *self);
    void begin(const QString &url, const QString &userName, const QString &password, qint64 maxBytes, bool cutAtMax);
    void start(const QUrl &target);
    bool headerLine(QByteArray line);
    bool endOfAnswer();
    void keepHead(long status);
    size_t body(const char *data, size_t size);
    void refuse(const QString &why);
    void finished(CURL *easy, CURLcode result);
    void takeTimeOut();
    void finish(Error error);
    void stopTransfer();
    void clearBody();
    QByteArray takePiece(qint64 maxBytes);

    EventPump &m_events;
    const int m_timeoutMs;
    CurlMulti m_multi;
    CURL *m_easy = nullptr;
    char m_curlError[CURL_ERROR_SIZE] = {};
    std::unique_ptr<curl_slist, void (*)(curl_slist *)> m_requestHeaders {nullptr, &curl_slist_free_all};
    QByteArray m_userAgent;
    QByteArray m_certFile; // SSL_CERT_FILE when the request started
    QTimer m_watch;        // at the header deadline, then at the end of each rate window
    QDeadlineTimer m_headDeadline;
    QDeadlineTimer m_deadline {QDeadlineTimer::Forever}; // of the whole fetch, in openUrl()
    qint64 m_windowBytes = 0;                            // received in this rate window
    quint64 m_generation = 0;                            // which request the waits belong to
    int m_openDepth = 0;
    qint64 m_maxBytes = 0;
    bool m_cutAtMax = false; // openUrl(): what lies past maxBytes is not wanted, not an error
    bool m_reachedMax = false;
    bool m_active = false; // a request was made and not yet dropped
    bool m_headersIn = false;
    bool m_ended = false;
    bool m_paused = false;
    bool m_refused = false; // a callback has judged the answer: m_error says how
    int m_error = NoError;
    int m_redirects = 0;
    bool m_sendsCredentials = false;
    std::optional<QUrl> m_nextHop; // where the hop that just ended leads
    QString m_url;
    QUrl m_origin;  // where redirects may lead
    QUrl m_current; // this hop
    QString m_userName;
    QString m_password;

    // The answer being read on this hop.
    qint64 m_headBytes = 0;
    bool m_betweenAnswers = true;
    QByteArray m_statusLine;
    QList<QByteArray> m_lines;

    // The final answer.
    int m_status = Unanswered;
    QString m_shownStatusLine;
    QList<QByteArray> m_headers;
    std::deque<QByteArray> m_body; // in the pieces it came in
    qsizetype m_bodyTaken = 0;     // of the first piece
    qint64 m_bodyReady = 0;
    qint64 m_received = 0;
};

} // namespace platform
