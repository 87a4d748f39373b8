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

QString ZoneChoices::placeName(const QString &zoneId)
{
    QString city = zoneId.section(QLatin1Char('/'), -1);
    return city.replace(QLatin1Char('_'), QLatin1Char(' '));
}

QString ZoneChoices::standardOffsetText(const QString &zoneId)
{
    const QTimeZone zone(zoneId.toUtf8());
    const int minutes = zone.standardTimeOffset(QDateTime::currentDateTimeUtc()) / 60;
    return QString::number(minutes / 60.0);
}
