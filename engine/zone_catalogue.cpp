// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/zone_catalogue.h"

#include "engine/typed_settings.h"

#include <algorithm>

namespace zone_catalogue {

namespace {

// The catalogue order is the rotation order; it is deliberately not sorted by offset.
constexpr std::array<PresetZone, PresetCount> kPresets {{
    {1, "uk", "United Kingdom", 0, true, "showUkAction", "United Kingdom", 21, "Europe/London", "United Kingdom", 21, 0,
     22, 2775},
    {2, "haw", "Pacific Time, USA", -8, true, "showPacificAction", "Pacific Time, USA", 16, "America/Los_Angeles",
     "Pacific Time, USA", 16, 2, 17, 2895},
    {3, "ariz", "Mountain Time, USA", -7, true, "showMountainAction", "Mountain Time, USA", 14, "America/Denver",
     "Mountain Time, USA", 15, 3, 16, 3015},
    {4, "cent", "Central Time, USA", -6, true, "showCentralAction", "Central Time, USA", 7, "America/Chicago",
     "Central Time (US and Canada)", 7, 4, 8, 3015},
    {5, "east", "Eastern Time, USA", -5, true, "showEasternAction", "Eastern Time, USA", 8, "America/New_York",
     "Eastern Time (US and Canada)", 8, 5, 9, 3015},
    {6, "braz", "Brasilia + Greenland", -3, true, "showBrasiliaAction", "Brasilia + Greenland", 5, "America/Sao_Paulo",
     "Brazil", 5, 6, 5, 2775},
    {7, "amst", "Amsterdam + Berlin", 1, true, "showAmsterdamAction", "Amsterdam + Berlin", 1, "Europe/Amsterdam",
     "Amsterdam + Berlin", 1, 7, 1, 2535},
    {8, "bruss", "Belgium + France", 1, true, "showBelgiumAction", "Belgium + France", 4, "Europe/Brussels",
     "Belgium + France", 4, 8, 7, 2895},
    {9, "jer", "Jerusalem", 2, false, "showJerusalemAction", "Jerusalem", 12, "Asia/Jerusalem", "Jerusalem", 12, 9, 13,
     2655},
    {10, "kuw", "Kuwait + Riyadh", 3, false, "showKuwaitAction", "Kuwait + Riyadh", 13, "Asia/Kuwait",
     "Kuwait + Riyahd", 13, 10, 14, 2295},
    {11, "mos", "Moscow + Volgograd", 3, true, "showMoscowAction", "Moscow, Volgograd", 15, "Europe/Moscow",
     "Moscow + Volgograd", 14, 11, 15, 2760},
    {12, "abu", "Abu Dhabi + Muscat", 4, false, "showAbuDhabiAction", "Abu Dhabi + Muscat", 0, "Asia/Dubai",
     "Abu Dhabi, Muscat", 0, 17, 0, 2775},
    {13, "islam", "Islamabad + Tashkent", 5, false, "showIslamabadAction", "Islamabad + Tashkent", 11, "Asia/Karachi",
     "Islamabad + Tashkent", 11, 22, 12, 2775},
    {14, "bang", "Bangkok + Hanoi", 7, false, "showBangkokAction", "Bangkok + Hanoi", 2, "Asia/Bangkok",
     "Bangkok + Hanoi", 2, 18, 3, 2055},
    {15, "beij", "Beijing + Hong Kong", 8, false, "showBeijingAction", "Beijing + Hong Kong", 3, "Asia/Shanghai",
     "Beijing + Hong Kong", 3, 1, 4, 2895},
    {16, "pert", "Perth, Australia", 8, false, "showPerthAction", "Perth, Australia", 17, "Australia/Perth",
     "Perth, Australia", 17, 12, 18, 2535},
    {17, "seo", "Seoul, South Korea", 9, false, "showSeoulAction", "Seoul, South Korea", 18, "Asia/Seoul",
     "Seoul, South Korea", 18, 13, 19, 2535},
    {18, "bris", "Brisbane, Australia", 10, false, "showBrisbaneAction", "Brisbane, Australia", 6, "Australia/Brisbane",
     "Brisbane, Australia", 6, 19, 6, 3015},
    {19, "vlad", "Vladivostok, Russia", 10, true, "showVladivostokAction", "Vladivostok, Russia", 22,
     "Asia/Vladivostok", "Vladivostok + Russia", 22, 16, 23, 2775},
    {20, "auc", "Wellington, New Zealand", 12, true, "showWellingtonAction", "Wellington, New Zealand", 23,
     "Pacific/Auckland", "Wellington, New Zealand", 23, 23, 2, 2415},
    {21, "fin", "Finland", 2, true, "showFinlandAction", "Finland", 9, "Europe/Helsinki", "Finland", 9, 20, 10, 3015},
    {22, "ger", "Germany + Gibraltar", 1, true, "showGermanyAction", "Germany + Gibraltar", 10, "Europe/Berlin",
     "Germany + Gibraltar", 10, 21, 11, 2895},
    {23, "spa", "Spain + Sweden", 1, true, "showSpainAction", "Spain + Sweden", 19, "Europe/Madrid", "Spain + Sweden",
     19, 14, 20, 2295},
    {24, "turk", "Turkey", 2, true, "showTurkeyAction", "Turkey", 20, "Europe/Istanbul", "Turkey", 20, 15, 21, 2175},
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

CatalogueEntry presetEntry(const PresetZone &zone)
{
    CatalogueEntry entry;
    entry.position = zone.position;
    entry.name = QString::fromUtf8(zone.name);
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
