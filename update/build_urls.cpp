// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/build_urls.h"

#include <QUrl>

namespace build_urls {

namespace {

QString withoutTrailingSlash(QString url)
{
    while (url.endsWith(QLatin1Char('/')))
        url.chop(1);
    return url;
}

} // namespace

QString downloadServer()
{
    return withoutTrailingSlash(QStringLiteral(HORALUX_DOWNLOAD_URL));
}

QString webSite()
{
    return withoutTrailingSlash(QStringLiteral(HORALUX_WEB_URL));
}

QString hostOf(const QString &baseUrl)
{
    const QUrl url(baseUrl);
    return url.port() >= 0 ? url.host() + QLatin1Char(':') + QString::number(url.port()) : url.host();
}

} // namespace build_urls
