// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "update/program_version.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVersionNumber>

// The version list is read up to this size; an entry further on is not seen.
constexpr qint64 kVersionListMaxBytes = 64 * 1024;

// This program's entry in a version list: after the first "horalux" (any
// letter case, also inside a longer word) and the first ":" after it, the
// text up to the next ":", line end or end of text, without surrounding
// spaces. Empty when there is no such entry.
QString versionFromList(const QString &listText);

// A version as a server may give one: one to four numbers of one to nine
// ASCII digits, joined by dots ("1.2.4"). Null for any other text ("2.0 beta",
// "1..2", a sign, a space, digits of another script, a fifth number).
QVersionNumber versionNumber(const QString &text);

// Whether a listed version is newer than the running one, number by number
// (1.0.10 is newer than 1.0.9, 1.3 than 1.2.3; 1.2 and 1.2.0 are the same).
// A text that is no version is never newer.
bool isNewerVersion(const QString &listed, const ProgramVersion &running);

// Whether a version is older than another, number by number; false when either is no version.
bool isOlderVersion(const QString &version, const QString &than);

// Whether two texts are versions with the same numbers (1.2 and 1.2.0 are).
bool isSameVersion(const QString &one, const QString &other);

// A version's numbers written plainly ("99.01.2" is "99.1.2"); empty for no version.
QString plainVersion(const QString &version);
// Every plain spelling of the same numbers, in up to four parts ("1.2.0":
// "1.2", "1.2.0", "1.2.0.0").
QStringList sameVersionSpellings(const QString &version);

// The date of the last check as stored: the locale's short date when that
// shows the year whole and reads back to the same day, else yyyy-MM-dd.
QString lastCheckDateText(const QDate &date, const QLocale &locale);
// Reads either form back; an invalid date when the text is neither.
QDate lastCheckDateFromText(const QString &text, const QLocale &locale);

// The offer's text, lines separated by CR LF.
QString updateOfferText(const ProgramVersion &running, const QString &listed, const QString &webHost);

// The offer where the program does not update itself: the same news, and
// the home page instead of a download.
QString homePageOfferText(const ProgramVersion &running, const QString &listed);
