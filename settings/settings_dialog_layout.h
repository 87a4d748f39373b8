// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

class LimitedTextBox;
class LinkLabel;
class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;
class SettingsTabControl;
class UpDownArrows;

// The settings dialog's controls, named as its handlers know them.
struct SettingsDialogControls {
    SettingsTabControl *SSTab1 = nullptr;
    QPushButton *com_ok = nullptr;
    QPushButton *com_cancel = nullptr;
    QPushButton *com_apply = nullptr;

    // "Time Zones": the 24 zone boxes by zone key, and the two custom zones.
    QHash<QString, QCheckBox *> zoneBoxes;
    LimitedTextBox *txt_tz1 = nullptr;
    LimitedTextBox *txt_diff1 = nullptr;
    QPushButton *Command1 = nullptr;
    LimitedTextBox *txt_tz2 = nullptr;
    LimitedTextBox *txt_diff2 = nullptr;
    QPushButton *Command2 = nullptr;

    // "Settings"
    LimitedTextBox *txt_scan = nullptr;
    UpDownArrows *UpDown1 = nullptr;
    QCheckBox *chk_lww = nullptr;
    QCheckBox *chk_ontop = nullptr;
    QCheckBox *chk_24hr = nullptr;
    QCheckBox *chk_sync = nullptr;
    QCheckBox *chk_effects = nullptr;
    QCheckBox *chk_dst = nullptr;
    QCheckBox *chk_exact = nullptr;

    // "About"
    QLabel *Image1 = nullptr;
    QLabel *lab_version = nullptr;
    LinkLabel *Label8 = nullptr;
    LinkLabel *Label9 = nullptr;
};

// What a custom zone's name box shows while there is no such zone.
inline QString customZonePlaceholder()
{
    return QStringLiteral("Enter the name of the time zone in here");
}

// Builds every control of the settings dialog on the window with its place,
// caption, tooltip, font and keyboard order, and gives the window its size,
// font, caption and icon. Every box starts unchecked, the name boxes show the
// placeholder and the offset boxes "0"; each control's objectName is its name.
SettingsDialogControls buildSettingsDialog(QWidget *window);
