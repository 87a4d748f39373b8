// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/settings_dialog_tab_control.h"

#include <QEvent>

void SettingsTabControl::place(QWidget *control, int page, const QRect &placeInTabControl)
{
    control->setParent(widget(page));
    m_placed.push_back({control, placeInTabControl});
    placeOne(m_placed.back());
}

bool SettingsTabControl::event(QEvent *event)
{
    const bool handled = QTabWidget::event(event);
    if (event->type() == QEvent::LayoutRequest)
        placeAll();
    return handled;
}

void SettingsTabControl::resizeEvent(QResizeEvent *event)
{
    QTabWidget::resizeEvent(event);
    placeAll();
}

void SettingsTabControl::showEvent(QShowEvent *event)
{
    QTabWidget::showEvent(event);
    placeAll();
}

void SettingsTabControl::placeAll()
{
    for (const Placed &placed : m_placed)
        placeOne(placed);
}

void SettingsTabControl::placeOne(const Placed &placed)
{
    if (!placed.control)
        return;
    const QPoint pageOrigin = placed.control->parentWidget()->mapTo(this, QPoint(0, 0));
    placed.control->setGeometry(placed.place.translated(-pageOrigin));
}
