// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/typed_settings.h"

#include <QCoreApplication>
#include <QPointer>

namespace platform {
class Autostart;
class Desktop;
class MessageBoxes;
} // namespace platform
class MainWindowLink;
class QWidget;
struct SettingsDialogControls;

// The "Settings" tab: the delay between zones and the switches, all written
// by Apply only; starting with the desktop is the autostart service's.
class SettingsTab {
    Q_DECLARE_TR_FUNCTIONS(SettingsTab)

public:
    SettingsTab(const SettingsDialogControls &controls, TypedSettings store, platform::Autostart &autostart,
                platform::Desktop &desktop, platform::MessageBoxes &messages, MainWindowLink &mainWindow,
                QWidget *dialog);

    void load();
    // The delay, or 20 with a message when it is no number from 5 to 60.
    // False when the dialog was closed (and deleted) while the message showed.
    bool applyDelay();
    void apply24Hour();
    // Start with the desktop, on top (applied to the clock at once), sync,
    // graphics and daylight saving (each off shows the day picture at once),
    // exact zones. False, with why, when the start-with-desktop entry could
    // not be stored; the rest is saved all the same.
    bool applySwitches(QString *problem);
    // Every control back to its default; nothing is written.
    void reset();

    void stepDelayUp();
    void stepDelayDown();

private:
    const SettingsDialogControls &m_controls;
    TypedSettings m_store;
    platform::Autostart &m_autostart;
    platform::Desktop &m_desktop;
    platform::MessageBoxes &m_messages;
    MainWindowLink &m_mainWindow;
    QPointer<QWidget> m_dialog;
};
