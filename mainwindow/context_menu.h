// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/zone_catalogue.h"

#include <QString>

#include <array>
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
    // The places of one's own, in number order from 1: "custom1Action", ...
    std::array<QAction *, zone_catalogue::CustomCount> customItems {};
    QAction *freezeAction = nullptr;
    QAction *aboutAction = nullptr;
    QAction *helpAction = nullptr;
    QAction *exitAction = nullptr;

    QAction *customItem(int number) const { return customItems.at(std::size_t(number - 1)); }
};

ContextMenu buildContextMenu(QWidget *owner);
