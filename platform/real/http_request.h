// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QUrl>

namespace platform {

struct HttpHeaderLine;

// The head of a GET of url on a connection of its own: HTTP/1.1, closed
// after the answer, no compression (so the announced length is the length
// saved). authorization: the value of an Authorization header, or empty.
QByteArray httpGetRequest(const QUrl &url, const QByteArray &authorization = QByteArray());

// The same scheme, host and port: where a redirect may lead, never from
// https to http.
bool isSameServer(const QUrl &a, const QUrl &b);

// Whether a 401 answer's challenges offer the Basic scheme.
bool offersBasicAuthentication(const QList<HttpHeaderLine> &headers);
QByteArray basicAuthorization(const QString &userName, const QString &password);

} // namespace platform
