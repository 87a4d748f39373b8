// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

#include <functional>

namespace platform {
class MessageBoxes;
struct Services;
} // namespace platform
class MainWindowLink;
class QWidget;
class SettingsDialog;

// Opens the settings dialog for the main window's Settings and About
// commands: one dialog at a time, created (and so loaded from the store)
// when none is open, otherwise brought forward as it is. A closed dialog is
// deleted, so the next opening loads afresh.
class SettingsDialogOpener {
public:
    SettingsDialogOpener(const platform::Services &services, platform::MessageBoxes &messages,
                         MainWindowLink &mainWindow, QWidget *parent = nullptr);
    ~SettingsDialogOpener();
    SettingsDialogOpener(const SettingsDialogOpener &) = delete;
    SettingsDialogOpener &operator=(const SettingsDialogOpener &) = delete;

    // The Settings command: a new dialog starts on its first tab, an open one
    // keeps the tab it shows.
    SettingsDialog *show();
    // The About command: as show(), then the "About" tab.
    SettingsDialog *showAbout();

    // The open dialog, or null.
    SettingsDialog *dialog() const { return m_dialog.data(); }

    // Passed on to every dialog's About links; nothing while unset.
    std::function<void()> onUpdateLinkClicked;
    std::function<void()> onHelpLinkClicked;

private:
    const platform::Services &m_services;
    platform::MessageBoxes &m_messages;
    MainWindowLink &m_mainWindow;
    QWidget *m_parent;
    QPointer<SettingsDialog> m_dialog;
};
