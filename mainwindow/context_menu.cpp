// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/context_menu.h"

#include "engine/zone_catalogue.h"

#include <QAction>
#include <QMenu>

namespace {

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
    menu.mnu_settings = new QMenu(QStringLiteral("-= Settings =-"), owner);
    menu.mnu_settings->setObjectName(QStringLiteral("mnu_settings"));

    menu.mnu_showsettings = addItem(menu.mnu_settings, "mnu_showsettings", QStringLiteral("&Settings"));

    menu.mnu_showzone = menu.mnu_settings->addMenu(QStringLiteral("Show Time Zone"));
    menu.mnu_showzone->setObjectName(QStringLiteral("mnu_showzone"));
    for (const PresetZone *zone : zone_catalogue::presetsInMenuOrder()) {
        // A caption such as "Abu Dhabi + Muscat" has no access key: escape any "&".
        QString caption = QString::fromUtf8(zone->menuCaption);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        menu.presetItems.emplace_back(addItem(menu.mnu_showzone, zone->menuItem, caption), zone);
    }
    menu.mnu_custom1 = addItem(menu.mnu_showzone, "mnu_custom1", QStringLiteral("custom1"));
    menu.mnu_custom2 = addItem(menu.mnu_showzone, "mnu_custom2", QStringLiteral("custom2"));

    menu.mnu_freeze = addItem(menu.mnu_settings, "mnu_freeze", QStringLiteral("Freeze current time zone"));
    menu.mnu_about = addItem(menu.mnu_settings, "mnu_about", QStringLiteral("About Horalux"));
    menu.mnu_help = addItem(menu.mnu_settings, "mnu_help", QStringLiteral("Instructions and Help"));
    menu.mnu_exit = addItem(menu.mnu_settings, "mnu_exit", QStringLiteral("&Exit"));
    return menu;
}
