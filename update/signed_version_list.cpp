// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/signed_version_list.h"

#include "engine/typed_settings.h"
#include "platform/signature_check.h"
#include "update/update_log.h"
#include "update/version_list.h"

namespace {

constexpr qsizetype kSignatureBytes = 64;
const char *const kDateFormat = "yyyyMMdd'T'HHmmss'Z'";

// The rest of line after "word ", or nothing.
std::optional<QByteArray> field(QByteArrayView line, QByteArrayView word)
{
    if (!line.startsWith(word) || line.size() <= word.size() || line.at(word.size()) != ' ')
        return std::nullopt;
    return line.sliced(word.size() + 1).toByteArray();
}

// The line that ends just before end (a line feed, or the text's end), and where it starts.
QByteArrayView lineBefore(const QByteArray &text, qsizetype end, qsizetype *start)
{
    *start = end > 0 ? text.lastIndexOf('\n', end - 1) + 1 : 0;
    return QByteArrayView(text).sliced(*start, end - *start);
}

} // namespace

QDateTime signedListDate(const QByteArray &text)
{
    if (text.size() != 16)
        return {};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (i == 8 ? text[i] != 'T' : i == 15 ? text[i] != 'Z' : !digit)
            return {};
    }
    const QDate day = QDate::fromString(QString::fromLatin1(text.left(8)), QStringLiteral("yyyyMMdd"));
    const QTime time = QTime::fromString(QString::fromLatin1(text.mid(9, 6)), QStringLiteral("HHmmss"));
    if (!day.isValid() || !time.isValid())
        return {};
    return QDateTime(day, time, Qt::UTC);
}

std::optional<SignedVersionList> SignedVersionList::fromText(const QByteArray &text)
{
    const qsizetype end = text.endsWith('\n') ? text.size() - 1 : text.size();
    qsizetype signatureStart = 0;
    qsizetype untilStart = 0;
    qsizetype dateStart = 0;
    const auto signature = field(lineBefore(text, end, &signatureStart), "signature");
    if (!signature || signatureStart == 0)
        return std::nullopt;
    const auto validUntil = field(lineBefore(text, signatureStart - 1, &untilStart), "valid-until");
    if (!validUntil || untilStart == 0)
        return std::nullopt;
    const auto date = field(lineBefore(text, untilStart - 1, &dateStart), "date");
    if (!date)
        return std::nullopt;

    SignedVersionList list;
    list.date = signedListDate(*date);
    list.validUntil = signedListDate(*validUntil);
    const auto decoded = QByteArray::fromBase64Encoding(*signature, QByteArray::AbortOnBase64DecodingErrors);
    if (!list.date.isValid() || !list.validUntil.isValid() || !decoded || decoded.decoded.size() != kSignatureBytes)
        return std::nullopt;
    list.signature = decoded.decoded;
    list.list = text.left(dateStart);
    list.signedText = kSignedListHeader + text.left(signatureStart);
    return list;
}

std::optional<QString> trustedVersionList(const QByteArray &answer, const VersionListTrust &trust,
                                          platform::SettingsStore &store, const QDateTime &now)
{
    if (trust.keys.isEmpty())
        return QString::fromUtf8(answer);
    const std::optional<SignedVersionList> list = SignedVersionList::fromText(answer);
    if (!list) {
        qCWarning(lcUpdate) << "version list refused: not signed";
        return std::nullopt;
    }
    bool signedByUs = false;
    for (const QByteArray &key : trust.keys)
        signedByUs =
            signedByUs || (trust.signatures && trust.signatures->verify(list->signedText, list->signature, key));
    if (!signedByUs) {
        qCWarning(lcUpdate) << "version list refused: the signature does not verify with any built-in key";
        return std::nullopt;
    }
    if (now >= list->validUntil) {
        qCWarning(lcUpdate) << "version list refused: valid until" << list->validUntil.toString(Qt::ISODate);
        return std::nullopt;
    }
    TypedSettings settings(store);
    const QDateTime seen = signedListDate(settings.text(setting::VersionListDate).toLatin1());
    if (seen.isValid() && list->date < seen) {
        qCWarning(lcUpdate) << "version list refused: dated" << list->date.toString(Qt::ISODate)
                            << ", older than the one seen of" << seen.toString(Qt::ISODate);
        return std::nullopt;
    }
    const QString text = QString::fromUtf8(list->list);
    const QString dateText = list->date.toString(QString::fromLatin1(kDateFormat));
    // Only a version is kept; a list without one leaves no floor.
    const QString entry = plainVersion(versionFromList(text));
    if (settings.text(setting::VersionListDate) != dateText || settings.text(setting::VersionListEntry) != entry) {
        settings.save(setting::VersionListDate, dateText);
        settings.save(setting::VersionListEntry, entry);
    }
    return text;
}

QString newestListedVersion(platform::SettingsStore &store)
{
    return plainVersion(TypedSettings(store).text(setting::VersionListEntry));
}
