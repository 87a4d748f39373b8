// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/lazy_http.h"

#include "platform/desktop_log.h"
#include "platform/http_module.h"

#include <QLibrary>

namespace platform {

namespace {
// What a request reports when no server could be reached.
constexpr int kNoServerCode = -1;
} // namespace

LazyHttp::LazyHttp(EventPump &events, QString modulePath) : m_events(events), m_modulePath(std::move(modulePath))
{
}

LazyHttp::~LazyHttp() = default;

Http *LazyHttp::load()
{
    if (!m_tried) {
        m_tried = true;
        QLibrary module(m_modulePath);
        // The module stays loaded for the rest of the run; its objects live in it.
        module.setLoadHints(QLibrary::PreventUnloadHint);
        if (auto create = reinterpret_cast<CreateHttpFunction>(module.resolve("horalux_create_http")))
            m_http.reset(create(&m_events));
        else
            qCWarning(lcDesktop).noquote() << "cannot load the transfer control:" << module.errorString();
    }
    return m_http.get();
}

std::optional<QByteArray> LazyHttp::openUrl(const QString &url, qint64 maxBytes)
{
    if (Http *http = load())
        return http->openUrl(url, maxBytes);
    m_failedUrl = url;
    return std::nullopt;
}

void LazyHttp::execute(const QString &url, const QString &userName, const QString &password, qint64 maxBytes)
{
    if (Http *http = load())
        http->execute(url, userName, password, maxBytes);
    else
        m_failedUrl = url;
}

bool LazyHttp::stillExecuting() const
{
    return m_http && m_http->stillExecuting();
}

int LazyHttp::status() const
{
    return m_http ? m_http->status() : Unreached;
}

QString LazyHttp::statusLine() const
{
    return m_http ? m_http->statusLine() : QString();
}

QString LazyHttp::header(const QString &name) const
{
    return m_http ? m_http->header(name) : QString();
}

QByteArray LazyHttp::getChunk(qint64 maxBytes)
{
    return m_http ? m_http->getChunk(maxBytes) : QByteArray();
}

int LazyHttp::responseCode() const
{
    return m_http ? m_http->responseCode() : kNoServerCode;
}

QString LazyHttp::url() const
{
    return m_http ? m_http->url() : m_failedUrl;
}

void LazyHttp::cancel()
{
    if (m_http)
        m_http->cancel();
}

} // namespace platform
