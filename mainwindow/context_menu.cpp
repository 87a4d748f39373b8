// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/context_menu.h"

#include "engine/zone_catalogue.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("ClockMenu", source);
}

QAction *addItem(QMenu *menu, const char *objectName, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    return action;
}

} // namespace

ContextMenu buildContextMenu(QWidget *owner)
{
    ContextMenu menu;
    menu.settingsMenu = new QMenu(text(QT_TRANSLATE_NOOP("ClockMenu", "-= Settings =-")), owner);
    menu.settingsMenu->setObjectName(QStringLiteral("settingsMenu"));

    menu.settingsAction =
        addItem(menu.settingsMenu, "settingsAction", text(QT_TRANSLATE_NOOP("ClockMenu", "&Settings")));

    menu.showZoneMenu = menu.settingsMenu->addMenu(text(QT_TRANSLATE_NOOP("ClockMenu", "Show Time Zone")));
    menu.showZoneMenu->setObjectName(QStringLiteral("showZoneMenu"));
    for (const PresetZone *zone : zone_catalogue::presetsInMenuOrder()) {
        // A caption such as "Abu Dhabi + Muscat" has no access key: escape any "&".
        QString caption = zone_catalogue::shownMenuCaption(*zone);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        menu.presetItems.emplace_back(addItem(menu.showZoneMenu, zone->menuItem, caption), zone);
    }
    menu.custom1Action = addItem(menu.showZoneMenu, "custom1Action", QStringLiteral("custom1"));
    menu.custom2Action = addItem(menu.showZoneMenu, "custom2Action", QStringLiteral("custom2"));

    menu.freezeAction =
        addItem(menu.settingsMenu, "freezeAction", text(QT_TRANSLATE_NOOP("ClockMenu", "Freeze current time zone")));
    menu.aboutAction = addItem(menu.settingsMenu, "aboutAction", text(QT_TRANSLATE_NOOP("ClockMenu", "About Horalux")));
    menu.helpAction =
        addItem(menu.settingsMenu, "helpAction", text(QT_TRANSLATE_NOOP("ClockMenu", "Instructions and Help")));
    menu.exitAction = addItem(menu.settingsMenu, "exitAction", text(QT_TRANSLATE_NOOP("ClockMenu", "&Exit")));
    return menu;
}
