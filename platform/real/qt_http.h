// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/http.h"

#include <QDeadlineTimer>
#include <QPointer>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace platform {

class EventPump;

// The transfer control on QtNetwork. The body is read as it arrives through a
// bounded buffer, so a large file never sits whole in memory. Both http://
// and https:// work (the latter needs Qt's TLS plugin); a redirect is followed
// only to the same scheme, host and port. An answer whose headers exceed
// 64 KiB, or whose body's end is not told by exactly one Content-Length or by
// chunked coding, counts as a broken transfer. The network machinery is
// built on the first request, so an unused control costs nothing.
class QtHttp final : public Http {
public:
    static constexpr int kDefaultTimeoutMs = 60'000;

    // timeoutMs: how long a request may go without receiving anything, and
    // how long openUrl() may take in all.
    explicit QtHttp(EventPump &events, int timeoutMs = kDefaultTimeoutMs);
    ~QtHttp() override;
    QtHttp(const QtHttp &) = delete;
    QtHttp &operator=(const QtHttp &) = delete;

    std::optional<QByteArray> openUrl(const QString &url, qint64 maxBytes) override;
    void execute(const QString &url, const QString &userName, const QString &password) override;
    bool stillExecuting() const override;
    QString headerBlock() const override;
    QString header(const QString &name) const override;
    QByteArray getChunk(qint64 maxBytes) override;
    int responseCode() const override;
    QString url() const override { return m_url; }
    void cancel() override;

private:
    QNetworkAccessManager &manager();
    void takeRedirect(QNetworkReply *reply, const QUrl &to);
    void takeHeaders(QNetworkReply *reply);
    void takeEnd(QNetworkReply *reply);
    void dropReply();

    EventPump &m_events;
    const int m_timeoutMs;
    std::unique_ptr<QNetworkAccessManager> m_manager;
    QPointer<QNetworkReply> m_reply;
    quint64 m_generation = 0; // which request the waits belong to
    int m_openDepth = 0;
    bool m_headersIn = false;
    bool m_ended = false;
    int m_error = 0;
    bool m_redirectRefused = false;
    bool m_framingFault = false;
    QDeadlineTimer m_deadline {QDeadlineTimer::Forever}; // of the whole fetch, in openUrl()
    QString m_url;
    QUrl m_origin; // where redirects may lead
    QString m_userName;
    QString m_password;
    QString m_headerBlock;
};

} // namespace platform
