#include "engine/zone_catalogue.h"

#include "engine/typed_settings.h"

#include <algorithm>

namespace zone_catalogue {

namespace {

// The catalogue order is the rotation order; it is deliberately not sorted by offset.
constexpr std::array<PresetZone, PresetCount> kPresets {{
    {1, "uk", "United Kingdom", 0, true, "mnu_showuk", "United Kingdom", 21, "Europe/London"},
    {2, "haw", "Pacific Time, USA", -8, true, "mnu_showhawaii", "Pacific Time, USA", 16, "America/Los_Angeles"},
    {3, "ariz", "Mountain Time, USA", -7, true, "mnu_showarizona", "Mountain Time, USA", 14, "America/Denver"},
    {4, "cent", "Central Time, USA", -6, true, "mnu_showcentral", "Central Time, USA", 7, "America/Chicago"},
    {5, "east", "Eastern Time, USA", -5, true, "mnu_showeastern", "Eastern Time, USA", 8, "America/New_York"},
    {6, "braz", "Brasilia + Greenland", -3, true, "mnu_showbrasilia", "Brasilia + Greenland", 5, "America/Sao_Paulo"},
    {7, "amst", "Amsterdam + Berlin", 1, true, "mnu_showamsterdam", "Amsterdam + Berlin", 1, "Europe/Amsterdam"},
    {8, "bruss", "Belgium + France", 1, true, "mnu_showbrussels", "Belgium + France", 4, "Europe/Brussels"},
    {9, "jer", "Jerusalem", 2, false, "mnu_showjerusalem", "Jerusalem", 12, "Asia/Jerusalem"},
    {10, "kuw", "Kuwait + Riyadh", 3, false, "mnu_showkuwait", "Kuwait + Riyadh", 13, "Asia/Kuwait"},
    {11, "mos", "Moscow + Volgograd", 3, true, "mnu_showmoscow", "Moscow, Volgograd", 15, "Europe/Moscow"},
    {12, "abu", "Abu Dhabi + Muscat", 4, false, "mnu_showdubai", "Abu Dhabi + Muscat", 0, "Asia/Dubai"},
    {13, "islam", "Islamabad + Tashkent", 5, false, "mnu_showislamabad", "Islamabad + Tashkent", 11, "Asia/Karachi"},
    {14, "bang", "Bangkok + Hanoi", 7, false, "mnu_showbangkock", "Bangkok + Hanoi", 2, "Asia/Bangkok"},
    {15, "beij", "Beijing + Hong Kong", 8, false, "mnu_showbeijing", "Beijing + Hong Kong", 3, "Asia/Shanghai"},
    {16, "pert", "Perth, Australia", 8, false, "mnu_showperth", "Perth, Australia", 17, "Australia/Perth"},
    {17, "seo", "Seoul, South Korea", 9, false, "mnu_showseaul", "Seoul, South Korea", 18, "Asia/Seoul"},
    {18, "bris", "Brisbane, Australia", 10, false, "mnu_showbrisbane", "Brisbane, Australia", 6, "Australia/Brisbane"},
    {19, "vlad", "Vladivostok, Russia", 10, true, "mnu_showVladivostok", "Vladivostok, Russia", 22, "Asia/Vladivostok"},
    {20, "auc", "Wellington, New Zealand", 12, true, "mnu_showauckland", "Wellington, New Zealand", 23, "Pacific/Auckland"},
    {21, "fin", "Finland", 2, true, "mnu_showfinland", "Finland", 9, "Europe/Helsinki"},
    {22, "ger", "Germany + Gibraltar", 1, true, "mnu_showgermany", "Germany + Gibraltar", 10, "Europe/Berlin"},
    {23, "spa", "Spain + Sweden", 1, true, "mnu_showspain", "Spain + Sweden", 19, "Europe/Madrid"},
    {24, "turk", "Turkey", 2, true, "mnu_showturkey", "Turkey", 20, "Europe/Istanbul"},
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

std::array<const PresetZone *, PresetCount> presetsInMenuOrder()
{
    std::array<const PresetZone *, PresetCount> ordered {};
    for (const PresetZone &zone : kPresets)
        ordered[std::size_t(zone.menuOrder)] = &zone;
    return ordered;
}

std::optional<CatalogueEntry> entryAt(int position, platform::SettingsStore &store)
{
    CatalogueEntry entry;
    entry.position = position;
    if (const PresetZone *preset = presetAt(position)) {
        entry.name = QString::fromUtf8(preset->name);
        entry.offsetHours = preset->offsetHours;
        entry.ianaZone = preset->ianaZone;
        entry.daylightSaving = preset->daylightSaving;
        return entry;
    }
    if (position < FirstCustomPosition || position > LastPosition)
        return std::nullopt;
    const int number = customNumberAt(position);
    entry.isCustom = true;
    const TypedSettings settings(store);
    entry.name = settings.text(setting::customName(number));
    entry.customOffsetText = settings.text(setting::customOffset(number));
    return entry;
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
