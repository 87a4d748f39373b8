// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/zone_choices.h"

#include <QCompleter>
#include <QDateTime>
#include <QTimeZone>

ZoneChoices::ZoneChoices()
{
    for (const QByteArray &id : QTimeZone::availableTimeZoneIds()) {
        const QString zoneId = QString::fromUtf8(id);
        // The first zone of a city keeps its name; the id still reaches the rest.
        for (const QString &suggestion : {placeName(zoneId), zoneId}) {
            if (!m_zoneIds.contains(suggestion)) {
                m_zoneIds.insert(suggestion, zoneId);
                m_suggestions.append(suggestion);
            }
            const QString key = folded(suggestion);
            if (!m_foldedZoneIds.contains(key))
                m_foldedZoneIds.insert(key, zoneId);
        }
    }
    m_suggestions.sort(Qt::CaseInsensitive);
}

QCompleter *ZoneChoices::makeCompleter(QObject *parent) const
{
    auto *completer = new QCompleter(m_suggestions, parent);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setModelSorting(QCompleter::CaseInsensitivelySortedModel);
    return completer;
}

QString ZoneChoices::zoneIdOf(const QString &suggestion) const
{
    return m_zoneIds.value(suggestion);
}

QString ZoneChoices::zoneIdOfTyped(const QString &typed) const
{
    if (const QString exact = zoneIdOf(typed.trimmed()); !exact.isEmpty())
        return exact;
    const QString key = folded(typed);
    return key.isEmpty() ? QString() : m_foldedZoneIds.value(key);
}

QString ZoneChoices::placeName(const QString &zoneId)
{
    QString city = zoneId.section(QLatin1Char('/'), -1);
    return city.replace(QLatin1Char('_'), QLatin1Char(' '));
}

QString ZoneChoices::offsetTextNow(const QString &zoneId)
{
    const QTimeZone zone(zoneId.toUtf8());
    const int minutes = zone.offsetFromUtc(QDateTime::currentDateTimeUtc()) / 60;
    return QString::number(minutes / 60.0);
}

QString ZoneChoices::folded(const QString &text)
{
    // Decomposed, so "ã" is "a" and a combining mark that can be dropped.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.isLetterOrNumber() || c == u'/')
            key += c.toCaseFolded();
        else if (c.isSpace() || c == u'_' || c == u'-')
            key += u' ';
        // Anything else (". ' ’") is spelling, not the name: "St. John's" is "St Johns".
    }
    return key.simplified()
        .replace(QLatin1String(" /"), QLatin1String("/"))
        .replace(QLatin1String("/ "), QLatin1String("/"));
}
