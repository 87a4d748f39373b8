// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/settings_dialog_opener.h"

#include "settingsdialog/dialog_placement.h"
#include "settingsdialog/main_window_link.h"
#include "settingsdialog/settings_dialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>

namespace {

// A new dialog's frame is not known before the window manager has framed it:
// allow for a title bar and thin borders.
QSize outerSizeOf(const QWidget &dialog)
{
    if (dialog.isVisible())
        return dialog.frameGeometry().size();
    const int titleBar = dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &dialog);
    constexpr int border = 4;
    return dialog.size() + QSize(2 * border, titleBar + 2 * border);
}

// The clock's own screen, so the dialog opens where the user is looking.
void placeBeside(QWidget &dialog, const QWidget &window, const MainWindowLink &link)
{
    if (!window.isVisible())
        return;
    const QRect clock = link.placeOnScreen();
    const QScreen *screen = QGuiApplication::screenAt(clock.center());
    if (!screen)
        screen = window.screen();
    if (!screen)
        return;
    dialog.move(dialog_placement::besideWindow(clock, outerSizeOf(dialog), screen->availableGeometry()));
}

} // namespace

SettingsDialogOpener::SettingsDialogOpener(const platform::Services &services, platform::MessageBoxes &messages,
                                           MainWindowLink &mainWindow, QWidget *parent)
    : m_services(services),
      m_messages(messages),
      m_mainWindow(mainWindow),
      m_parent(parent)
{
}

SettingsDialogOpener::~SettingsDialogOpener()
{
    // The dialog works on the services and main window this opener was given.
    delete m_dialog.data();
}

SettingsDialog *SettingsDialogOpener::show()
{
    if (!m_dialog) {
        m_dialog = new SettingsDialog(m_services, m_messages, m_mainWindow, m_parent);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        m_dialog->onUpdateLinkClicked = [this] {
            if (onUpdateLinkClicked)
                onUpdateLinkClicked();
        };
        m_dialog->onHelpLinkClicked = [this] {
            if (onHelpLinkClicked)
                onHelpLinkClicked();
        };
        if (m_parent)
            placeBeside(*m_dialog, *m_parent, m_mainWindow);
    }
    m_dialog->setWindowState(m_dialog->windowState() & ~Qt::WindowMinimized);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
    return m_dialog;
}

SettingsDialog *SettingsDialogOpener::showAbout()
{
    SettingsDialog *dialog = show();
    dialog->tabs()->setCurrentIndex(SettingsDialog::AboutTab);
    return dialog;
}
