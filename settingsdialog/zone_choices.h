// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QCompleter;
class QObject;

// The places a custom zone's name box suggests: the city part of each zone id
// of the system's time-zone database ("Kathmandu", "New York") and the id
// itself ("Asia/Kathmandu").
class ZoneChoices {
public:
    ZoneChoices();

    // A completer over every suggestion, matching from the start, any case.
    QCompleter *makeCompleter(QObject *parent) const;
    // The zone id a suggestion stands for; empty for text of one's own.
    QString zoneIdOf(const QString &suggestion) const;
    // The zone id a name typed in full stands for, with case, accents and
    // punctuation left out of the match ("sao paulo", "St Johns", "new_york",
    // "america/new york"); empty when it is no known place.
    QString zoneIdOfTyped(const QString &typed) const;

    // The place's name as the name box shows it.
    static QString placeName(const QString &zoneId);
    // The zone's difference from GMT now, in hours as the offset box takes
    // them: "5.75" for +5:45, "-4" for New York in summer.
    static QString offsetTextNow(const QString &zoneId);
    // A typed name reduced to what the match compares.
    static QString folded(const QString &text);

private:
    QStringList m_suggestions;
    QHash<QString, QString> m_zoneIds;
    QHash<QString, QString> m_foldedZoneIds;
};
