// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/http_request.h"

#include "platform/real/http_response_reader.h"

namespace platform {

namespace {

int defaultPort(const QUrl &url)
{
    return url.scheme() == QLatin1String("https") ? 443 : 80;
}

} // namespace

QByteArray httpGetRequest(const QUrl &url, const QByteArray &authorization)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port(defaultPort(url)) != defaultPort(url))
        host += ':' + QByteArray::number(url.port());
    // QtNetwork, which this client replaced, said the same to servers.
    QByteArray request = "GET " + target + " HTTP/1.1\r\nHost: " + host
        + "\r\nUser-Agent: Mozilla/5.0\r\nAccept-Encoding: identity\r\nConnection: close\r\n";
    if (!authorization.isEmpty())
        request += "Authorization: " + authorization + "\r\n";
    return request + "\r\n";
}

bool isSameServer(const QUrl &a, const QUrl &b)
{
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0
        && a.port(defaultPort(a)) == b.port(defaultPort(b));
}

bool offersBasicAuthentication(const QList<HttpHeaderLine> &headers)
{
    for (const HttpHeaderLine &line : headers) {
        if (line.name.compare("WWW-Authenticate", Qt::CaseInsensitive) != 0)
            continue;
        // Several challenges may share a line: "Negotiate, Basic realm=...".
        for (const QByteArray &part : line.value.split(',')) {
            const QByteArray scheme = part.trimmed().split(' ').value(0);
            if (scheme.compare("Basic", Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

QByteArray basicAuthorization(const QString &userName, const QString &password)
{
    return "Basic " + (userName + QLatin1Char(':') + password).toUtf8().toBase64();
}

} // namespace platform
