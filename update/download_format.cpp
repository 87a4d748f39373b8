// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/download_format.h"

#include <QCoreApplication>
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

QString dataSizeText(double n, const QLocale &locale)
{
    // The steps fall at 1000 of a unit, so a size never reads "1024.0 KB".
    if (!(n >= 0))
        return QString();
    if (n < 1000) {
        //: A size under 1000 bytes; %n is the count.
        return QCoreApplication::translate("DownloadProgress", "%n bytes", nullptr, int(n));
    }
    if (n < 1024000.0)
        return QCoreApplication::translate("DownloadProgress", "%1 KB")
            .arg(withoutGrouping(locale).toString(n / 1024, 'f', 1));
    if (n < 1024000000.0)
        return QCoreApplication::translate("DownloadProgress", "%1 MB").arg(oneOrTwoDecimals(n / 1048576, locale));
    return QCoreApplication::translate("DownloadProgress", "%1 GB").arg(oneOrTwoDecimals(n / 1073741824, locale));
}

QString durationText(double t, const QLocale &locale)
{
    if (!(t >= 0) || std::isinf(t))
        return QString();
    // Rounded before it is split, so 119.6 seconds reads "2 min 0 sec", not "1 min 0 sec".
    const QLocale plain = withoutGrouping(locale);
    const double seconds = std::nearbyint(t);
    if (seconds < 60) {
        //: Seconds left, abbreviated; keep it short.
        return QCoreApplication::translate("DownloadProgress", "%1 sec").arg(plain.toString(qint64(seconds)));
    }
    if (seconds < 3600) {
        const qint64 whole = qint64(seconds);
        //: Minutes and seconds left, abbreviated; keep it short.
        return QCoreApplication::translate("DownloadProgress", "%1 min %2 sec")
            .arg(plain.toString(whole / 60), plain.toString(whole % 60));
    }
    const qint64 minutes = qint64(std::nearbyint(t / 60));
    //: Hours and minutes left, abbreviated; keep it short.
    return QCoreApplication::translate("DownloadProgress", "%1 hr %2 min")
        .arg(plain.toString(minutes / 60), plain.toString(minutes % 60));
}

namespace {

QString splitAtLastSeparator(const QString &path, bool fileName, PathKind kind)
{
    // A URL's file is the last piece of its path: a query or fragment may hold "/" too.
    if (const QUrl url(path, QUrl::StrictMode); kind == PathKind::Url && url.isValid() && !url.scheme().isEmpty()) {
        return fileName ? url.fileName(QUrl::FullyDecoded)
                        : url.adjusted(QUrl::RemoveFilename | QUrl::RemoveQuery | QUrl::RemoveFragment).toString();
    }
    const qsizetype last = kind == PathKind::Url
        ? path.lastIndexOf(QLatin1Char('/'))
        : qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    if (fileName)
        return path.mid(last + 1);
    return path.left(last + 1);
}

} // namespace

QString fileNameOf(const QString &path, PathKind kind)
{
    return splitAtLastSeparator(path, true, kind);
}

QString folderOf(const QString &path, PathKind kind)
{
    return splitAtLastSeparator(path, false, kind);
}

QString shownFolder(const QString &urlFolder)
{
    return urlFolder.size() < 33 ? urlFolder : QStringLiteral("...") + urlFolder.left(30);
}

std::optional<TransferProgress> transferProgress(qint64 received, qint64 total, qint64 elapsedMs,
                                                 const QString &fileName, const QLocale &locale, qint64 allowedMs)
{
    if (elapsedMs <= 0 || received <= 0)
        return std::nullopt;
    const double rate = (double(received) / 1024) / (double(elapsedMs) / 1000); // KB per second
    // One text a line, so a translation keeps the blank line between them.
    const QString gap = QStringLiteral("\r\r");
    //: The progress label has a fixed width: keep it short. %1 is the rate in kilobytes a second.
    const QString rateLine =
        QCoreApplication::translate("DownloadProgress", "Transfer Rate: %1 KB/Sec").arg(locale.toString(rate, 'f', 1));
    const auto unknownTimeLine = [&] {
        //: The progress label has a fixed width: keep it short. %1 is the amount received so far.
        return QCoreApplication::translate("DownloadProgress", "Estimated Time Left: unknown (%1 copied)")
            .arg(dataSizeText(double(received), locale));
    };
    if (total <= 0)
        return TransferProgress {unknownTimeLine() + gap + rateLine, QString()};
    const double secondsLeft = (double(qMax<qint64>(total - received, 0)) / 1024) / rate;
    const int percent = qRound(100.0 * double(received) / double(total));
    //: The download window's title. %1 is the percentage done, %2 the file's name.
    const QString caption = QCoreApplication::translate("DownloadProgress", "%1% of %2 Completed")
                                .arg(withoutGrouping(locale).toString(percent), fileName);
    // At this rate the transfer would be given up before its end.
    if (allowedMs >= 0 && secondsLeft * 1000 > double(allowedMs))
        return TransferProgress {unknownTimeLine() + gap + rateLine, caption};
    //: The progress label has a fixed width: keep it short. %1 is the time left, %2 the amount received, %3 the
    //: file's size.
    const QString timeLine =
        QCoreApplication::translate("DownloadProgress", "Estimated Time Left: %1 (%2 of %3 copied)")
            .arg(durationText(secondsLeft, locale), dataSizeText(double(received), locale),
                 dataSizeText(double(total), locale));
    return TransferProgress {timeLine + gap + rateLine, caption};
}
