// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/http.h"

#include <memory>

namespace platform {

class EventPump;

// The transfer control, loaded from its module at the first request. When the
// module cannot be loaded, every request fails as if no server answered.
class LazyHttp final : public Http {
public:
    LazyHttp(EventPump &events, QString modulePath);
    ~LazyHttp() override;

    std::optional<QByteArray> openUrl(const QString &url, qint64 maxBytes) override;
    void execute(const QString &url, const QString &userName, const QString &password, qint64 maxBytes) override;
    bool stillExecuting() const override;
    int status() const override;
    QString statusLine() const override;
    QString header(const QString &name) const override;
    QByteArray getChunk(qint64 maxBytes) override;
    int responseCode() const override;
    QString url() const override;
    void cancel() override;

    bool isLoaded() const { return m_http != nullptr; }

private:
    Http *load();

    EventPump &m_events;
    QString m_modulePath;
    std::unique_ptr<Http> m_http;
    bool m_tried = false;
    QString m_failedUrl;
};

} // namespace platform
