// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

class QAction;
class QMenu;
class QWidget;
struct PresetZone;

// The clock's only menu, a pop-up: the items of the hidden "-= Settings =-" menu.
struct ContextMenu {
    QMenu *mnu_settings = nullptr;
    QAction *mnu_showsettings = nullptr;
    QMenu *mnu_showzone = nullptr;
    std::vector<std::pair<QAction *, const PresetZone *>> presetItems;
    QAction *mnu_custom1 = nullptr;
    QAction *mnu_custom2 = nullptr;
    QAction *mnu_freeze = nullptr;
    QAction *mnu_about = nullptr;
    QAction *mnu_help = nullptr;
    QAction *mnu_exit = nullptr;

    QAction *customItem(int number) const { return number == 1 ? mnu_custom1 : mnu_custom2; }
};

ContextMenu buildContextMenu(QWidget *owner);
