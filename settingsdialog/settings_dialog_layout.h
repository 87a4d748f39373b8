// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/zone_catalogue.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>

#include <array>

class LimitedTextBox;
class LinkLabel;
class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;
class SettingsTabControl;
class UpDownArrows;

// One place of one's own on the "Time Zones" tab.
struct CustomZoneControls {
    LimitedTextBox *nameEdit = nullptr;
    LimitedTextBox *offsetEdit = nullptr;
    QPushButton *resetButton = nullptr;
    // Under the name box: shown when a typed name is no known place.
    QLabel *placeNote = nullptr;
};

// The settings dialog's controls.
struct SettingsDialogControls {
    SettingsTabControl *tabControl = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *applyButton = nullptr;

    // "Time Zones": the 24 zone boxes by zone key, and the custom zones in
    // number order from 1.
    QHash<QString, QCheckBox *> zoneBoxes;
    std::array<CustomZoneControls, zone_catalogue::CustomCount> customZones;

    // "Settings"
    LimitedTextBox *scanDelayEdit = nullptr;
    UpDownArrows *scanDelayArrows = nullptr;
    QCheckBox *startWithDesktopCheck = nullptr;
    QCheckBox *alwaysOnTopCheck = nullptr;
    QCheckBox *twentyFourHourCheck = nullptr;
    QCheckBox *timeSyncCheck = nullptr;
    QCheckBox *sceneryCheck = nullptr;
    QCheckBox *daylightSavingCheck = nullptr;
    QCheckBox *exactZonesCheck = nullptr;

    // "About"
    QLabel *logo = nullptr;
    QLabel *versionLabel = nullptr;
    LinkLabel *updateLink = nullptr;
    LinkLabel *helpLink = nullptr;
};

// What a custom zone's name box shows while there is no such zone.
inline QString customZonePlaceholder()
{
    return QCoreApplication::translate("TimeZonesTab", "Enter the name of the time zone in here");
}

// The exact-zones switch says which clock is on.
inline QString exactZonesCaption(bool on)
{
    return on ? QCoreApplication::translate("SettingsTab", "On: each zone's own clock rules (time-zone database)")
              : QCoreApplication::translate("SettingsTab", "Off: fixed offsets and one shared summer rule");
}

// Builds every control of the settings dialog on the window with its place,
// caption, tooltip, font and keyboard order, and gives the window its size,
// font, caption and icon. Every box starts unchecked, the name boxes show the
// placeholder and the offset boxes "0"; each control's objectName is its name.
SettingsDialogControls buildSettingsDialog(QWidget *window);
