// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/typed_settings.h"
#include "engine/zone_catalogue.h"
#include "settingsdialog/zone_choices.h"

#include <array>
#include <functional>

class LimitedTextBox;
class MainWindowLink;
class QLabel;
struct SettingsDialogControls;

// The "Time Zones" tab: the 24 zone boxes, written by Apply, and the
// custom zones, written on every change and kept whatever closes the dialog.
class TimeZonesTab {
public:
    TimeZonesTab(const SettingsDialogControls &controls, TypedSettings store, MainWindowLink &mainWindow);

    // Custom offsets before names, so a name written back carries the stored
    // offset; then the zone boxes. Loading only ever checks a box.
    void load();
    // Writes every zone flag in the apply order; `midway` runs where the
    // 12/24-hour switch belongs among them.
    void applyZones(const std::function<void()> &midway);
    bool anyZoneChecked() const;
    // Turns United Kingdom on, in the box and in the store.
    void turnOnUnitedKingdom();
    // Every zone box back to its default, checked; nothing is written.
    void reset();

    void customNameChanged(int number);
    void customOffsetChanged(int number);
    void resetCustomZone(int number);
    // A place chosen from the name box's suggestions: its id, name and
    // difference now are stored; typing in either box forgets the id.
    void customZoneChosen(int number, const QString &suggestion);
    // A name typed since the last look is bound to the place it names, as a
    // pick is; one that names no place keeps the typed offset, and the note
    // under the box says so. When the box loses the focus, and at Apply.
    void checkTypedName(int number);
    void checkTypedNames();

private:
    struct CustomZone {
        LimitedTextBox *name = nullptr;
        LimitedTextBox *offset = nullptr;
        settings_schema::Setting nameSetting;
        settings_schema::Setting offsetSetting;
        settings_schema::Setting zoneIdSetting;
        QLabel *note = nullptr;
        bool nameTyped = false;
    };
    static std::array<CustomZone, zone_catalogue::CustomCount> customZonesOf(const SettingsDialogControls &controls);
    void offerZones(CustomZone &zone, int number);
    void bindPlace(CustomZone &zone, const QString &zoneId);
    void showNote(CustomZone &zone, const QString &text);
    CustomZone &custom(int number) { return m_customZones.at(std::size_t(number - 1)); }

    const SettingsDialogControls &m_controls;
    TypedSettings m_store;
    MainWindowLink &m_mainWindow;
    ZoneChoices m_zoneChoices;
    std::array<CustomZone, zone_catalogue::CustomCount> m_customZones;
};
