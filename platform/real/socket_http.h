// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/http.h"
#include "platform/real/http_response_reader.h"

#include <QDeadlineTimer>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <optional>

class QTcpSocket;

namespace platform {

class EventPump;

// The transfer control: a small HTTP/1.1 client, one connection per
// request (closed after the answer), over QTcpSocket or, for https://,
// QSslSocket with the system's certificate authorities and host name
// verification (plus those of the file SSL_CERT_FILE names). The answer is
// read by HttpResponseReader; the body flows through a bounded buffer, so a
// large file never sits whole in memory. A redirect is followed only to the
// same scheme, host and port; credentials go out as Basic after a 401 that
// asks for them. The system's proxy, when it names one for the address, is
// used as a tunnel (CONNECT).
class SocketHttp final : public Http {
public:
    static constexpr int kDefaultTimeoutMs = 60'000;

    // The errors responseCode() reports.
    enum Error {
        NoError = 0,
        NoServer, // no connection, or no verified TLS session
        TimedOut, // see the constructor, or openUrl() ran out of time
        Cancelled,
        BrokenAnswer,    // not HTTP, framing not to be trusted, closed early, body cut short
        RedirectRefused, // off the server first asked, or too many
        ErrorStatus,     // 4xx or 5xx; the body is the server's error page
    };

    // timeoutMs: how long a request may take until its answer's header lines
    // are in, how long openUrl() may take in all, and the window over which a
    // body must come at 1 KiB/s at least.
    explicit SocketHttp(EventPump &events, int timeoutMs = kDefaultTimeoutMs);
    ~SocketHttp() override;
    SocketHttp(const SocketHttp &) = delete;
    SocketHttp &operator=(const SocketHttp &) = delete;

    std::optional<QByteArray> openUrl(const QString &url, qint64 maxBytes) override;
    // The size cap is left to the caller (the download dialog counts).
    void execute(const QString &url, const QString &userName, const QString &password, qint64 maxBytes) override;
    bool stillExecuting() const override;
    QString headerBlock() const override;
    QString header(const QString &name) const override;
    QByteArray getChunk(qint64 maxBytes) override;
    int responseCode() const override;
    QString url() const override { return m_url; }
    void cancel() override;

private:
    void connectTo(const QUrl &url);
    void sendRequest();
    // Moves what the socket holds into the reader, the body only up to its
    // buffer unless all; true when anything moved.
    bool pull(bool all = false);
    void takeHead();
    void takeEnd();
    void takeSocketError();
    void takeTimeOut();
    void finish(Error error);
    void dropConnection();

    EventPump &m_events;
    const int m_timeoutMs;
    std::unique_ptr<QTcpSocket> m_socket;
    std::optional<HttpResponseReader> m_reader;
    QTimer m_watch; // at the header deadline, then at the end of each rate window
    QDeadlineTimer m_headDeadline;
    qint64 m_windowBytes = 0; // read from the server in this rate window
    quint64 m_generation = 0; // which request the waits belong to
    quint64 m_hop = 0;        // which connection of the request (redirects, credentials)
    int m_openDepth = 0;
    bool m_active = false; // a request was made and not yet dropped
    bool m_connected = false;
    bool m_headersIn = false;
    bool m_ended = false;
    int m_error = NoError;
    int m_redirects = 0;
    bool m_sendsCredentials = false;                     // the server asked for them
    QDeadlineTimer m_deadline {QDeadlineTimer::Forever}; // of the whole fetch, in openUrl()
    QString m_url;
    QUrl m_origin;  // where redirects may lead
    QUrl m_current; // this hop
    QString m_userName;
    QString m_password;
    QString m_headerBlock;
    QList<HttpHeaderLine> m_headers; // of the final answer
};

} // namespace platform
