// SPDX-License-Identifier: GPL-3.0-or-later
// The daily update check's reading of what comes from outside: the version
// list from the download server, the version found there (saved as a
// settings key), the signed list's last lines, and the date of the last
// check read back from the settings.
// Input: the running version (3 x 2 bytes), a locale (1 byte), a day
// (4 bytes), then the list's bytes.

#include "fuzz_check.h"
#include "settingsstore/ini_format.h"
#include "update/signed_version_list.h"
#include "update/version_list.h"

#include <QVersionNumber>

#include <array>
#include <cstdint>

namespace {

quint32 bigEndian(const uint8_t *bytes, int count)
{
    quint32 value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

// Locales whose short dates differ in order, separators, digits and calendar.
QLocale localeNumber(uint8_t number)
{
    static const std::array<const char *, 14> names = {
        "C",     "en_US", "en_GB", "de_DE", "fr_FR", "sv_SE", "ja_JP",
        "zh_CN", "ar_EG", "fa_IR", "hi_IN", "he_IL", "th_TH", "my_MM",
    };
    return QLocale(QString::fromLatin1(names[number % names.size()]));
}

// The listed version as the running program would carry it, when it can.
std::optional<ProgramVersion> asProgramVersion(const QString &listed)
{
    const QVersionNumber number = QVersionNumber::fromString(listed).normalized();
    if (number.segmentCount() > 3)
        return std::nullopt;
    for (int i = 0; i < number.segmentCount(); ++i) {
        if (number.segmentAt(i) > 0xffff)
            return std::nullopt;
    }
    return ProgramVersion {quint16(number.segmentAt(0)), quint16(number.segmentAt(1)), quint16(number.segmentAt(2))};
}

void checkVersionList(const QString &list, const ProgramVersion &running)
{
    const QString listed = versionFromList(list);
    FUZZ_CHECK(listed == listed.trimmed());
    FUZZ_CHECK(!listed.contains(QLatin1Char(':')) && !listed.contains(QLatin1Char('\r'))
               && !listed.contains(QLatin1Char('\n')));
    FUZZ_CHECK(list.contains(listed));
    if (!list.contains(QLatin1String("horalux"), Qt::CaseInsensitive))
        FUZZ_CHECK(listed.isEmpty());

    FUZZ_CHECK(!isNewerVersion(running.dotted(), running));
    const bool newer = isNewerVersion(listed, running);
    if (const auto other = asProgramVersion(listed); other && newer)
        FUZZ_CHECK(!isNewerVersion(running.dotted(), *other));
    if (!newer)
        return;

    // The offer is shown once: the version is saved as a key of [version].
    settings::IniDocument document;
    document.set(QStringLiteral("version"), listed, QStringLiteral("1"));
    const settings::ParsedIni read = settings::parseIni(settings::serialiseIni(document, QString()));
    FUZZ_CHECK(!read.hadDamagedLines);
    const QString *offered = read.document.find(QStringLiteral("version"), listed);
    FUZZ_CHECK(offered && *offered == QLatin1String("1"));
    FUZZ_CHECK(updateOfferText(running, listed, QStringLiteral("www.example.org")).contains(listed));
}

void checkSignedList(const QByteArray &text)
{
    const std::optional<SignedVersionList> list = SignedVersionList::fromText(text);
    if (!list)
        return;
    FUZZ_CHECK(list->signature.size() == 64);
    FUZZ_CHECK(list->date.isValid() && list->validUntil.isValid());
    FUZZ_CHECK(text.startsWith(list->list));
    const QByteArray header = SignedVersionList::kSignedListHeader;
    FUZZ_CHECK(list->signedText.startsWith(header));
    const QByteArray covered = list->signedText.mid(header.size());
    FUZZ_CHECK(text.startsWith(covered) && covered.startsWith(list->list));
    // The signature's line is all that is left uncovered.
    FUZZ_CHECK(text.mid(covered.size()).startsWith("signature ")
               && !text.mid(covered.size()).chopped(1).contains('\n'));
}

void checkSpellings(const QString &listed)
{
    for (const QString &spelling : sameVersionSpellings(listed))
        FUZZ_CHECK(isSameVersion(spelling, listed) && plainVersion(spelling) == spelling);
    if (!plainVersion(listed).isEmpty())
        FUZZ_CHECK(isSameVersion(plainVersion(listed), listed));
}

void checkLastCheckDate(const QString &storedText, QDate day, const QLocale &locale)
{
    // Whatever the file holds is read without harm; a date read is written
    // and read back the same.
    const QDate read = lastCheckDateFromText(storedText, locale);
    if (read.isValid() && read.year() >= 1 && read.year() <= 9999)
        FUZZ_CHECK(lastCheckDateFromText(lastCheckDateText(read, locale), locale) == read);
    const QString text = lastCheckDateText(day, locale);
    FUZZ_CHECK(lastCheckDateFromText(text, locale) == day);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 11)
        return 0;
    const ProgramVersion running {quint16(bigEndian(data, 2)), quint16(bigEndian(data + 2, 2)),
                                  quint16(bigEndian(data + 4, 2))};
    const QLocale locale = localeNumber(data[6]);
    // Days of the years 1 to 9999.
    const qint64 firstDay = QDate(1, 1, 1).toJulianDay();
    const qint64 days = QDate(9999, 12, 31).toJulianDay() - firstDay + 1;
    const QDate day = QDate::fromJulianDay(firstDay + qint64(bigEndian(data + 7, 4)) % days);
    // As the check reads it: at most kVersionListMaxBytes, as UTF-8.
    const QByteArray body(reinterpret_cast<const char *>(data + 11),
                          qsizetype(std::min<size_t>(size - 11, kVersionListMaxBytes)));
    const QString list = QString::fromUtf8(body);

    checkVersionList(list, running);
    checkSignedList(body);
    checkSpellings(versionFromList(list));
    checkLastCheckDate(list, day, locale);
    return 0;
}
