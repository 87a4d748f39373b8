// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace platform {
class SettingsStore;
}

// One of the 24 fixed zones.
struct PresetZone {
    int position;            // 1..24, the rotation order
    const char *key;         // its enable flag in the settings store
    const char *name;        // typed into the zone label
    qint16 offsetHours;      // east of GMT
    bool daylightSaving;     // may get the daylight-saving hour
    const char *menuItem;    // objectName of its context-menu action
    const char *menuCaption; // equals the name but for Moscow
    int menuOrder;           // place in the "Show Time Zone" submenu, 0..23
    const char *ianaZone;    // the zone of the time-zone database it stands for
    // The settings dialog's check box: its caption (worded apart from the
    // name), its place in caption order (the page's columns and the keyboard
    // order), when loading reads and Apply writes its flag, and its width in
    // twips.
    const char *boxCaption;
    int boxOrder;
    int boxLoadOrder;
    int boxApplyOrder;
    int boxWidth;
};

// A zone as it is put on show: a preset's data, or a custom zone read from the store.
struct CatalogueEntry {
    int position = 0;
    QString name;
    bool isCustom = false;
    qint16 offsetHours = 0;         // presets
    const char *ianaZone = nullptr; // presets
    bool daylightSaving = false;
};

namespace zone_catalogue {

constexpr int PresetCount = 24;
// Places of one's own, numbered from 1, follow the presets in the rotation.
// Each has its own menu item and row in the settings dialog, and its keys
// tzN, diffN and zoneN in the store.
constexpr int CustomCount = 2;
constexpr int FirstCustomPosition = PresetCount + 1;
constexpr int LastPosition = PresetCount + CustomCount;

const std::array<PresetZone, PresetCount> &presets();
// The preset at a position 1..24, or null.
const PresetZone *presetAt(int position);
const PresetZone *presetByKey(const QString &key);
// Presets in the order one of their order columns gives (0..23 each), such as
// &PresetZone::menuOrder for the "Show Time Zone" submenu.
std::array<const PresetZone *, PresetCount> presetsBy(int PresetZone::*order);
inline std::array<const PresetZone *, PresetCount> presetsInMenuOrder()
{
    return presetsBy(&PresetZone::menuOrder);
}
// 1..CustomCount for the positions after the presets.
int customNumberAt(int position);

// Reads custom zones afresh from the store every time: nothing is cached.
std::optional<CatalogueEntry> entryAt(int position, platform::SettingsStore &store);
// The preset's texts in the user's language (the table holds the English ones).
QString shownName(const PresetZone &zone);
QString shownMenuCaption(const PresetZone &zone);
QString shownBoxCaption(const PresetZone &zone);
CatalogueEntry presetEntry(const PresetZone &zone);
// Custom zone 1..CustomCount; a missing name is the empty text.
CatalogueEntry customEntry(int customNumber, platform::SettingsStore &store);
bool isEnabled(int position, platform::SettingsStore &store);

} // namespace zone_catalogue
