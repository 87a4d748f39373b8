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
    QMenu *settingsMenu = nullptr;
    QAction *settingsAction = nullptr;
    QMenu *showZoneMenu = nullptr;
    std::vector<std::pair<QAction *, const PresetZone *>> presetItems;
    QAction *custom1Action = nullptr;
    QAction *custom2Action = nullptr;
    QAction *freezeAction = nullptr;
    QAction *aboutAction = nullptr;
    QAction *helpAction = nullptr;
    QAction *exitAction = nullptr;

    QAction *customItem(int number) const { return number == 1 ? custom1Action : custom2Action; }
};

ContextMenu buildContextMenu(QWidget *owner);
