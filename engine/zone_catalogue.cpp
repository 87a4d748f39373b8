// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/zone_catalogue.h"

#include "engine/typed_settings.h"

#include <QCoreApplication>

#include <algorithm>

namespace zone_catalogue {

namespace {

// The catalogue order is the rotation order; it is deliberately not sorted by offset.
constexpr std::array<PresetZone, PresetCount> kPresets {{
    {1, "uk", QT_TRANSLATE_NOOP("Zones", "United Kingdom"), 0, true, "showUkAction",
     QT_TRANSLATE_NOOP("Zones", "United Kingdom"), 21, "Europe/London", QT_TRANSLATE_NOOP("Zones", "United Kingdom"),
     21, 0, 22, 2775},
    {2, "haw", QT_TRANSLATE_NOOP("Zones", "Pacific Time, USA"), -8, true, "showPacificAction",
     QT_TRANSLATE_NOOP("Zones", "Pacific Time, USA"), 16, "America/Los_Angeles",
     QT_TRANSLATE_NOOP("Zones", "Pacific Time, USA"), 16, 2, 17, 2895},
    {3, "ariz", QT_TRANSLATE_NOOP("Zones", "Mountain Time, USA"), -7, true, "showMountainAction",
     QT_TRANSLATE_NOOP("Zones", "Mountain Time, USA"), 14, "America/Denver",
     QT_TRANSLATE_NOOP("Zones", "Mountain Time, USA"), 15, 3, 16, 3015},
    {4, "cent", QT_TRANSLATE_NOOP("Zones", "Central Time, USA"), -6, true, "showCentralAction",
     QT_TRANSLATE_NOOP("Zones", "Central Time, USA"), 7, "America/Chicago",
     QT_TRANSLATE_NOOP("Zones", "Central Time (US and Canada)"), 7, 4, 8, 3015},
    {5, "east", QT_TRANSLATE_NOOP("Zones", "Eastern Time, USA"), -5, true, "showEasternAction",
     QT_TRANSLATE_NOOP("Zones", "Eastern Time, USA"), 8, "America/New_York",
     QT_TRANSLATE_NOOP("Zones", "Eastern Time (US and Canada)"), 8, 5, 9, 3015},
    {6, "braz", QT_TRANSLATE_NOOP("Zones", "Brasilia + Greenland"), -3, true, "showBrasiliaAction",
     QT_TRANSLATE_NOOP("Zones", "Brasilia + Greenland"), 5, "America/Sao_Paulo", QT_TRANSLATE_NOOP("Zones", "Brazil"),
     5, 6, 5, 2775},
    {7, "amst", QT_TRANSLATE_NOOP("Zones", "Amsterdam + Berlin"), 1, true, "showAmsterdamAction",
     QT_TRANSLATE_NOOP("Zones", "Amsterdam + Berlin"), 1, "Europe/Amsterdam",
     QT_TRANSLATE_NOOP("Zones", "Amsterdam + Berlin"), 1, 7, 1, 2535},
    {8, "bruss", QT_TRANSLATE_NOOP("Zones", "Belgium + France"), 1, true, "showBelgiumAction",
     QT_TRANSLATE_NOOP("Zones", "Belgium + France"), 4, "Europe/Brussels",
     QT_TRANSLATE_NOOP("Zones", "Belgium + France"), 4, 8, 7, 2895},
    {9, "jer", QT_TRANSLATE_NOOP("Zones", "Jerusalem"), 2, false, "showJerusalemAction",
     QT_TRANSLATE_NOOP("Zones", "Jerusalem"), 12, "Asia/Jerusalem", QT_TRANSLATE_NOOP("Zones", "Jerusalem"), 12, 9, 13,
     2655},
    {10, "kuw", QT_TRANSLATE_NOOP("Zones", "Kuwait + Riyadh"), 3, false, "showKuwaitAction",
     QT_TRANSLATE_NOOP("Zones", "Kuwait + Riyadh"), 13, "Asia/Kuwait", QT_TRANSLATE_NOOP("Zones", "Kuwait + Riyahd"),
     13, 10, 14, 2295},
    {11, "mos", QT_TRANSLATE_NOOP("Zones", "Moscow + Volgograd"), 3, true, "showMoscowAction",
     QT_TRANSLATE_NOOP("Zones", "Moscow, Volgograd"), 15, "Europe/Moscow",
     QT_TRANSLATE_NOOP("Zones", "Moscow + Volgograd"), 14, 11, 15, 2760},
    {12, "abu", QT_TRANSLATE_NOOP("Zones", "Abu Dhabi + Muscat"), 4, false, "showAbuDhabiAction",
     QT_TRANSLATE_NOOP("Zones", "Abu Dhabi + Muscat"), 0, "Asia/Dubai", QT_TRANSLATE_NOOP("Zones", "Abu Dhabi, Muscat"),
     0, 17, 0, 2775},
    {13, "islam", QT_TRANSLATE_NOOP("Zones", "Islamabad + Tashkent"), 5, false, "showIslamabadAction",
     QT_TRANSLATE_NOOP("Zones", "Islamabad + Tashkent"), 11, "Asia/Karachi",
     QT_TRANSLATE_NOOP("Zones", "Islamabad + Tashkent"), 11, 22, 12, 2775},
    {14, "bang", QT_TRANSLATE_NOOP("Zones", "Bangkok + Hanoi"), 7, false, "showBangkokAction",
     QT_TRANSLATE_NOOP("Zones", "Bangkok + Hanoi"), 2, "Asia/Bangkok", QT_TRANSLATE_NOOP("Zones", "Bangkok + Hanoi"), 2,
     18, 3, 2055},
    {15, "beij", QT_TRANSLATE_NOOP("Zones", "Beijing + Hong Kong"), 8, false, "showBeijingAction",
     QT_TRANSLATE_NOOP("Zones", "Beijing + Hong Kong"), 3, "Asia/Shanghai",
     QT_TRANSLATE_NOOP("Zones", "Beijing + Hong Kong"), 3, 1, 4, 2895},
    {16, "pert", QT_TRANSLATE_NOOP("Zones", "Perth, Australia"), 8, false, "showPerthAction",
     QT_TRANSLATE_NOOP("Zones", "Perth, Australia"), 17, "Australia/Perth",
     QT_TRANSLATE_NOOP("Zones", "Perth, Australia"), 17, 12, 18, 2535},
    {17, "seo", QT_TRANSLATE_NOOP("Zones", "Seoul, South Korea"), 9, false, "showSeoulAction",
     QT_TRANSLATE_NOOP("Zones", "Seoul, South Korea"), 18, "Asia/Seoul",
     QT_TRANSLATE_NOOP("Zones", "Seoul, South Korea"), 18, 13, 19, 2535},
    {18, "bris", QT_TRANSLATE_NOOP("Zones", "Brisbane, Australia"), 10, false, "showBrisbaneAction",
     QT_TRANSLATE_NOOP("Zones", "Brisbane, Australia"), 6, "Australia/Brisbane",
     QT_TRANSLATE_NOOP("Zones", "Brisbane, Australia"), 6, 19, 6, 3015},
    {19, "vlad", QT_TRANSLATE_NOOP("Zones", "Vladivostok, Russia"), 10, true, "showVladivostokAction",
     QT_TRANSLATE_NOOP("Zones", "Vladivostok, Russia"), 22, "Asia/Vladivostok",
     QT_TRANSLATE_NOOP("Zones", "Vladivostok + Russia"), 22, 16, 23, 2775},
    {20, "auc", QT_TRANSLATE_NOOP("Zones", "Wellington, New Zealand"), 12, true, "showWellingtonAction",
     QT_TRANSLATE_NOOP("Zones", "Wellington, New Zealand"), 23, "Pacific/Auckland",
     QT_TRANSLATE_NOOP("Zones", "Wellington, New Zealand"), 23, 23, 2, 2415},
    {21, "fin", QT_TRANSLATE_NOOP("Zones", "Finland"), 2, true, "showFinlandAction",
     QT_TRANSLATE_NOOP("Zones", "Finland"), 9, "Europe/Helsinki", QT_TRANSLATE_NOOP("Zones", "Finland"), 9, 20, 10,
     3015},
    {22, "ger", QT_TRANSLATE_NOOP("Zones", "Germany + Gibraltar"), 1, true, "showGermanyAction",
     QT_TRANSLATE_NOOP("Zones", "Germany + Gibraltar"), 10, "Europe/Berlin",
     QT_TRANSLATE_NOOP("Zones", "Germany + Gibraltar"), 10, 21, 11, 2895},
    {23, "spa", QT_TRANSLATE_NOOP("Zones", "Spain + Sweden"), 1, true, "showSpainAction",
     QT_TRANSLATE_NOOP("Zones", "Spain + Sweden"), 19, "Europe/Madrid", QT_TRANSLATE_NOOP("Zones", "Spain + Sweden"),
     19, 14, 20, 2295},
    {24, "turk", QT_TRANSLATE_NOOP("Zones", "Turkey"), 2, true, "showTurkeyAction",
     QT_TRANSLATE_NOOP("Zones", "Turkey"), 20, "Europe/Istanbul", QT_TRANSLATE_NOOP("Zones", "Turkey"), 20, 15, 21,
     2175},
}};

} // namespace

int customNumberAt(int position)
{
    return position - FirstCustomPosition + 1;
}

const std::array<PresetZone, PresetCount> &presets()
{
    return kPresets;
}

const PresetZone *presetAt(int position)
{
    if (position < 1 || position > PresetCount)
        return nullptr;
    return &kPresets[std::size_t(position - 1)];
}

const PresetZone *presetByKey(const QString &key)
{
    for (const PresetZone &zone : kPresets) {
        if (key == QLatin1String(zone.key))
            return &zone;
    }
    return nullptr;
}

std::array<const PresetZone *, PresetCount> presetsBy(int PresetZone::*order)
{
    std::array<const PresetZone *, PresetCount> ordered {};
    for (const PresetZone &zone : kPresets)
        ordered[std::size_t(zone.*order)] = &zone;
    return ordered;
}

QString shownName(const PresetZone &zone)
{
    return QCoreApplication::translate("Zones", zone.name);
}

QString shownMenuCaption(const PresetZone &zone)
{
    return QCoreApplication::translate("Zones", zone.menuCaption);
}

QString shownBoxCaption(const PresetZone &zone)
{
    return QCoreApplication::translate("Zones", zone.boxCaption);
}

CatalogueEntry presetEntry(const PresetZone &zone)
{
    CatalogueEntry entry;
    entry.position = zone.position;
    entry.name = shownName(zone);
    entry.offsetHours = zone.offsetHours;
    entry.ianaZone = zone.ianaZone;
    entry.daylightSaving = zone.daylightSaving;
    return entry;
}

CatalogueEntry customEntry(int customNumber, platform::SettingsStore &store)
{
    CatalogueEntry entry;
    entry.position = FirstCustomPosition + customNumber - 1;
    entry.isCustom = true;
    const TypedSettings settings(store);
    entry.name = settings.text(setting::customName(customNumber));
    return entry;
}

std::optional<CatalogueEntry> entryAt(int position, platform::SettingsStore &store)
{
    if (const PresetZone *preset = presetAt(position))
        return presetEntry(*preset);
    if (position < FirstCustomPosition || position > LastPosition)
        return std::nullopt;
    return customEntry(customNumberAt(position), store);
}

bool isEnabled(int position, platform::SettingsStore &store)
{
    const TypedSettings settings(store);
    if (const PresetZone *preset = presetAt(position))
        return settings.isSet(setting::zoneEnabled(QLatin1String(preset->key)));
    if (position < FirstCustomPosition || position > LastPosition)
        return false;
    return !settings.text(setting::customName(customNumberAt(position))).isEmpty();
}

} // namespace zone_catalogue
