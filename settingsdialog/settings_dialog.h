// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settingsdialog/about_tab.h"
#include "settingsdialog/settings_dialog_layout.h"
#include "settingsdialog/settings_tab.h"
#include "settingsdialog/time_zones_tab.h"

#include <QDialog>

#include <functional>

namespace platform {
class MessageBoxes;
class SettingsStore;
struct Services;
} // namespace platform
class MainWindowLink;
class QTabWidget;

// The settings dialog: its three tabs and the buttons. It loads every value
// from the settings store when it is created; the switches, zone boxes and
// delay are written only by Apply (and OK), while the custom zones are
// written on every keystroke and stay written whatever button closes the
// dialog. Apply and OK wait until what they wrote is on disk; when it could
// not be, a message says why and OK leaves the dialog open. Modeless: the
// clock runs on.
class SettingsDialog final : public QDialog {
    Q_OBJECT
public:
    static constexpr int AboutTab = 2;

    SettingsDialog(const platform::Services &services, platform::MessageBoxes &messages, MainWindowLink &mainWindow,
                   QWidget *parent = nullptr);

    QTabWidget *tabs() const;

    // What the About tab's two links do; nothing while unset.
    std::function<void()> onUpdateLinkClicked;
    std::function<void()> onHelpLinkClicked;

protected:
    // Selects a custom zone box's whole text when the user comes to it, and
    // looks up the place a name box names when the user leaves it.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Enter presses the focused button, Esc is Cancel; nothing else.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void connectHandlers();

    // The handlers, entry points into the tabs.
    void onApplyClicked() { applyAll(); }
    void onOkClicked() { applyAndClose(); }
    void onCancelClicked() { close(); }
    void stepDelayUp() { m_settingsTab.stepDelayUp(); }
    void stepDelayDown() { m_settingsTab.stepDelayDown(); }

    enum class Applied { Saved, NotSaved, DialogGone };

    void loadAll();
    // DialogGone when the dialog was closed (and deleted) meanwhile.
    Applied applyAll();
    void applyAndClose();

    platform::SettingsStore &m_store;
    platform::MessageBoxes &m_messages;
    SettingsDialogControls m_controls;
    TimeZonesTab m_timeZones;
    SettingsTab m_settingsTab;
    ::AboutTab m_about;
};
