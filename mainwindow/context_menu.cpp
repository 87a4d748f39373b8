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

QAction *addItem(QMenu *menu, const QString &objectName, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

QAction *addItem(QMenu *menu, const char *objectName, const QString &caption)
{
    return addItem(menu, QLatin1String(objectName), caption);
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
    for (int number = 1; number <= zone_catalogue::CustomCount; ++number) {
        menu.customItems[std::size_t(number - 1)] = addItem(
            menu.showZoneMenu, QStringLiteral("custom%1Action").arg(number), QStringLiteral("custom%1").arg(number));
    }

    menu.freezeAction =
        addItem(menu.settingsMenu, "freezeAction", text(QT_TRANSLATE_NOOP("ClockMenu", "Freeze current time zone")));
    menu.aboutAction = addItem(menu.settingsMenu, "aboutAction", text(QT_TRANSLATE_NOOP("ClockMenu", "About Horalux")));
    menu.helpAction =
        addItem(menu.settingsMenu, "helpAction", text(QT_TRANSLATE_NOOP("ClockMenu", "Instructions and Help")));
    menu.exitAction = addItem(menu.settingsMenu, "exitAction", text(QT_TRANSLATE_NOOP("ClockMenu", "&Exit")));
    return menu;
}
