// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/version_list.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVersionNumber>

QString versionFromList(const QString &listText)
{
    const qsizetype key = listText.indexOf(QLatin1String("horalux"), 0, Qt::CaseInsensitive);
    if (key < 0)
        return QString();
    const qsizetype colon = listText.indexOf(QLatin1Char(':'), key);
    if (colon < 0)
        return QString();
    qsizetype end = colon + 1;
    while (end < listText.size() && listText.at(end) != QLatin1Char(':') && listText.at(end) != QLatin1Char('\r')
           && listText.at(end) != QLatin1Char('\n'))
        ++end;
    return listText.mid(colon + 1, end - colon - 1).trimmed();
}

QVersionNumber versionNumber(const QString &text)
{
    constexpr qsizetype kMaxParts = 4;
    constexpr qsizetype kMaxDigits = 9; // so that every part fits an int
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() > kMaxParts)
        return {};
    QList<int> numbers;
    for (const QString &part : parts) {
        if (part.isEmpty() || part.size() > kMaxDigits)
            return {};
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) // only ASCII digits, no other script's
                return {};
        }
        numbers << part.toInt();
    }
    return QVersionNumber(std::move(numbers));
}

bool isNewerVersion(const QString &listed, const ProgramVersion &running)
{
    const QVersionNumber version = versionNumber(listed);
    if (version.isNull())
        return false;
    const QVersionNumber ours(running.major, running.minor, running.revision);
    return QVersionNumber::compare(version.normalized(), ours.normalized()) > 0;
}

bool isOlderVersion(const QString &version, const QString &than)
{
    const QVersionNumber a = versionNumber(version);
    const QVersionNumber b = versionNumber(than);
    return !a.isNull() && !b.isNull() && QVersionNumber::compare(a.normalized(), b.normalized()) < 0;
}

bool isSameVersion(const QString &one, const QString &other)
{
    const QVersionNumber a = versionNumber(one);
    const QVersionNumber b = versionNumber(other);
    return !a.isNull() && !b.isNull() && a.normalized() == b.normalized();
}

QString plainVersion(const QString &version)
{
    const QVersionNumber number = versionNumber(version);
    return number.isNull() ? QString() : number.toString();
}

QStringList sameVersionSpellings(const QString &version)
{
    constexpr qsizetype kMaxParts = 4;
    QStringList spellings;
    const QVersionNumber number = versionNumber(version);
    if (number.isNull())
        return spellings;
    QList<int> parts = number.normalized().segments();
    while (parts.size() < kMaxParts) {
        if (!parts.isEmpty())
            spellings << QVersionNumber(parts).toString();
        parts << 0;
    }
    spellings << QVersionNumber(parts).toString();
    return spellings;
}

namespace {

// The locale's short format, when it keeps the century.
QString fullYearShortFormat(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    return format.contains(QLatin1String("yyyy")) ? format : QString();
}

} // namespace

QString lastCheckDateText(const QDate &date, const QLocale &locale)
{
    const QString format = fullYearShortFormat(locale);
    if (!format.isEmpty()) {
        const QString text = locale.toString(date, format);
        if (locale.toDate(text, format) == date)
            return text;
    }
    return date.toString(Qt::ISODate);
}

QDate lastCheckDateFromText(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    const QDate iso = QDate::fromString(trimmed, Qt::ISODate);
    if (iso.isValid())
        return iso;
    const QString format = fullYearShortFormat(locale);
    return format.isEmpty() ? QDate() : locale.toDate(trimmed, format);
}

// The offers are whole texts, so a translation may move the versions and break its own lines.
QString updateOfferText(const ProgramVersion &running, const QString &listed, const QString &webHost)
{
    //: %1 is the running version, %2 the new one, %3 the web site's address; break the lines where they read well.
    return QCoreApplication::translate("UpdateOffer",
                                       "There is a new version of Horalux available.\r\n"
                                       "You have version %1, and the new version number\r\n"
                                       "is %2. Do you want me to download it now for you?\r\n"
                                       "\r\n"
                                       "WARNING: if this update stops your clock from working, then please\r\n"
                                       "go along to %3 and download\r\n"
                                       "the latest FULL VERSION (not update) from there")
        .arg(running.dotted(), listed, webHost + QStringLiteral("/horalux"));
}

QString homePageOfferText(const ProgramVersion &running, const QString &listed)
{
    //: %1 is the running version, %2 the new one; break the lines where they read well.
    return QCoreApplication::translate("UpdateOffer",
                                       "There is a new version of Horalux available.\r\n"
                                       "You have version %1, and the new version number\r\n"
                                       "is %2.\r\n"
                                       "\r\n"
                                       "This copy of Horalux does not update itself: new versions come from where\r\n"
                                       "it was installed, such as your package manager. Do you want to open the\r\n"
                                       "Horalux home page to see what is new?")
        .arg(running.dotted(), listed);
}
