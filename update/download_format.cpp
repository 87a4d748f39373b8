// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/download_format.h"

#include <QUrl>

#include <cmath>

namespace {

QLocale withoutGrouping(QLocale locale)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

// One decimal always, a second only when it is not zero.
QString oneOrTwoDecimals(double value, const QLocale &locale)
{
    QString text = withoutGrouping(locale).toString(value, 'f', 2);
    if (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text;
}

} // namespace

QString FormatFileSize(double n, const QLocale &locale)
{
    // The steps fall at 1000 of a unit, so a size never reads "1024.0 KB".
    if (!(n >= 0))
        return QString();
    if (n < 1000)
        return withoutGrouping(locale).toString(n, 'g', QLocale::FloatingPointShortest) + QStringLiteral(" bytes");
    if (n < 1024000.0)
        return withoutGrouping(locale).toString(n / 1024, 'f', 1) + QStringLiteral(" KB");
    if (n < 1024000000.0)
        return oneOrTwoDecimals(n / 1048576, locale) + QStringLiteral(" MB");
    return oneOrTwoDecimals(n / 1073741824, locale) + QStringLiteral(" GB");
}

QString FormatTime(double t, const QLocale &locale)
{
    if (!(t >= 0) || std::isinf(t))
        return QString();
    // Rounded before it is split, so 119.6 seconds reads "2 min 0 sec", not "1 min 0 sec".
    const QLocale plain = withoutGrouping(locale);
    const double seconds = std::nearbyint(t);
    if (seconds < 60)
        return plain.toString(qint64(seconds)) + QStringLiteral(" sec");
    if (seconds < 3600) {
        const qint64 whole = qint64(seconds);
        return plain.toString(whole / 60) + QStringLiteral(" min ") + plain.toString(whole % 60)
            + QStringLiteral(" sec");
    }
    const qint64 minutes = qint64(std::nearbyint(t / 60));
    return plain.toString(minutes / 60) + QStringLiteral(" hr ") + plain.toString(minutes % 60)
        + QStringLiteral(" min");
}

QString ReturnFileOrFolder(const QString &FullPath, bool ReturnFile, bool IsURL)
{
    // A URL's file is the last piece of its path: a query or fragment may hold "/" too.
    if (const QUrl url(FullPath, QUrl::StrictMode); IsURL && url.isValid() && !url.scheme().isEmpty()) {
        return ReturnFile ? url.fileName(QUrl::FullyDecoded)
                          : url.adjusted(QUrl::RemoveFilename | QUrl::RemoveQuery | QUrl::RemoveFragment).toString();
    }
    const qsizetype last = IsURL
        ? FullPath.lastIndexOf(QLatin1Char('/'))
        : qMax(FullPath.lastIndexOf(QLatin1Char('/')), FullPath.lastIndexOf(QLatin1Char('\\')));
    if (ReturnFile)
        return FullPath.mid(last + 1);
    return FullPath.left(last + 1);
}

QString shownFolder(const QString &urlFolder)
{
    return urlFolder.size() < 33 ? urlFolder : QStringLiteral("...") + urlFolder.left(30);
}

std::optional<TransferProgress> transferProgress(qint64 received, qint64 total, qint64 elapsedMs,
                                                 const QString &fileName, const QLocale &locale)
{
    if (elapsedMs <= 0 || received <= 0)
        return std::nullopt;
    const double rate = (double(received) / 1024) / (double(elapsedMs) / 1000); // KB per second
    const QString rateLine =
        QStringLiteral("\r\rTransfer Rate: ") + locale.toString(rate, 'f', 1) + QStringLiteral(" KB/Sec");
    if (total <= 0) {
        return TransferProgress {QStringLiteral("Estimated Time Left: unknown (")
                                     + FormatFileSize(double(received), locale) + QStringLiteral(" copied)") + rateLine,
                                 QString()};
    }
    const double secondsLeft = (double(qMax<qint64>(total - received, 0)) / 1024) / rate;
    const int percent = qRound(100.0 * double(received) / double(total));
    return TransferProgress {
        QStringLiteral("Estimated Time Left: ") + FormatTime(secondsLeft, locale) + QStringLiteral(" (")
            + FormatFileSize(double(received), locale) + QStringLiteral(" of ") + FormatFileSize(double(total), locale)
            + QStringLiteral(" copied)") + rateLine,
        withoutGrouping(locale).toString(percent) + QStringLiteral("% of ") + fileName + QStringLiteral(" Completed")};
}
