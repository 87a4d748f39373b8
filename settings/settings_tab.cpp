// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_tab.h"

#include "settings/autostart_registry.h"
#include "settings/main_window_link.h"
#include "settings/settings_dialog_delay.h"
#include "settings/settings_dialog_layout.h"
#include "settings/settings_dialog_text_box.h"

#include "platform/desktop.h"
#include "platform/message_box.h"
#include "platform/registry.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

const QString kRunPath = uR"(Software\Microsoft\Windows\CurrentVersion\Run)"_s;
const QString kRunValue = u"Horalux"_s;
const QString kDefaultDelay = u"20"_s;

struct Switch {
    QCheckBox *SettingsDialogControls::*box;
    const char *key;
    bool onByDefault;
};

} // namespace

SettingsTab::SettingsTab(const SettingsDialogControls &controls, DialogStore store, platform::Registry &registry,
                         platform::Desktop &desktop, platform::MessageBoxes &messages, MainWindowLink &mainWindow,
                         QWidget *dialog)
    : m_controls(controls),
      m_store(store),
      m_registry(registry),
      m_desktop(desktop),
      m_messages(messages),
      m_mainWindow(mainWindow),
      m_dialog(dialog)
{
}

bool SettingsTab::startsWithDesktop() const
{
    const QString stored = m_registry.GetRegString(platform::RegistryRoot::LocalMachine, kRunPath, kRunValue);
    return stored.toLower() == settings::expectedAutostartData(m_desktop.startCommand()).toLower();
}

void SettingsTab::load()
{
    const SettingsDialogControls &c = m_controls;
    c.txt_scan->setText(m_store.get(u"scan"_s, kDefaultDelay));
    const Switch switches[] = {
        {&SettingsDialogControls::chk_ontop, "ontop", false},    {&SettingsDialogControls::chk_24hr, "24hr", false},
        {&SettingsDialogControls::chk_sync, "sync", true},       {&SettingsDialogControls::chk_dst, "dst", true},
        {&SettingsDialogControls::chk_effects, "graphic", true}, {&SettingsDialogControls::chk_exact, "exact", false},
    };
    for (const Switch &option : switches) {
        if (m_store.isOn(QLatin1String(option.key), option.onByDefault))
            (c.*option.box)->setChecked(true);
    }
    if (startsWithDesktop())
        c.chk_lww->setChecked(true);
}

bool SettingsTab::applyDelay()
{
    LimitedTextBox *box = m_controls.txt_scan;
    // The user's own locale decides the decimal separator.
    if (settings::delayAccepted(box->text(), QLocale())) {
        m_store.save(u"scan"_s, box->text());
        return true;
    }
    // A message box runs events, and an update started meanwhile closes (and
    // so deletes) the dialog with this tab: then nothing here is left to use.
    const QPointer<QWidget> alive = m_dialog;
    m_messages.show(u"Sorry, your Time delay is set to an invalid number. You must choose a number between 5 "
                    "and 60. I have now set it to 20 for you"_s,
                    u"Error"_s, platform::MessageBoxes::Icon::Information);
    if (!alive)
        return false;
    m_store.save(u"scan"_s, kDefaultDelay);
    box->setText(kDefaultDelay);
    return true;
}

void SettingsTab::apply24Hour()
{
    m_store.saveSwitch(u"24hr"_s, m_controls.chk_24hr);
}

void SettingsTab::applySwitches()
{
    const SettingsDialogControls &c = m_controls;
    m_registry.SetRegString(platform::RegistryRoot::LocalMachine, kRunPath, kRunValue,
                            c.chk_lww->isChecked() ? settings::expectedAutostartData(m_desktop.startCommand())
                                                   : QString(u""_s));

    m_store.saveSwitch(u"ontop"_s, c.chk_ontop);
    m_mainWindow.ontop();

    m_store.saveSwitch(u"sync"_s, c.chk_sync);

    const QString dayPicture = m_desktop.programFolder() + u"/day.bmp"_s;
    m_store.saveSwitch(u"graphic"_s, c.chk_effects);
    if (!c.chk_effects->isChecked())
        m_mainWindow.loadBackgroundPicture(dayPicture);
    m_store.saveSwitch(u"dst"_s, c.chk_dst);
    if (!c.chk_dst->isChecked())
        m_mainWindow.loadBackgroundPicture(dayPicture);
    m_store.saveSwitch(u"exact"_s, c.chk_exact);
}

void SettingsTab::reset()
{
    const SettingsDialogControls &c = m_controls;
    c.txt_scan->setText(kDefaultDelay);
    for (QCheckBox *off : {c.chk_lww, c.chk_ontop, c.chk_24hr, c.chk_exact})
        off->setChecked(false);
    for (QCheckBox *on : {c.chk_sync, c.chk_effects, c.chk_dst})
        on->setChecked(true);
}

void SettingsTab::UpDown1_UpClick()
{
    m_controls.txt_scan->setText(settings::delayAfterUpArrow(m_controls.txt_scan->text(), QLocale()));
}

void SettingsTab::UpDown1_DownClick()
{
    m_controls.txt_scan->setText(settings::delayAfterDownArrow(m_controls.txt_scan->text(), QLocale()));
}
