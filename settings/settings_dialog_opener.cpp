#include "settings/settings_dialog_opener.h"

#include "settings/settings_dialog.h"

#include <QTabWidget>

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

frm_settings *SettingsDialogOpener::show()
{
    if (!m_dialog) {
        m_dialog = new frm_settings(m_services, m_messages, m_mainWindow, m_parent);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        m_dialog->onUpdateLinkClicked = [this] {
            if (onUpdateLinkClicked)
                onUpdateLinkClicked();
        };
        m_dialog->onHelpLinkClicked = [this] {
            if (onHelpLinkClicked)
                onHelpLinkClicked();
        };
    }
    m_dialog->setWindowState(m_dialog->windowState() & ~Qt::WindowMinimized);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
    return m_dialog;
}

frm_settings *SettingsDialogOpener::showAbout()
{
    frm_settings *dialog = show();
    dialog->tabs()->setCurrentIndex(frm_settings::AboutTab);
    return dialog;
}
