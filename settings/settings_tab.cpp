// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_tab.h"

#include "engine/settings_schema.h"
#include "settings/autostart_registry.h"
#include "settings/main_window_link.h"
#include "settings/settings_dialog_delay.h"
#include "settings/settings_dialog_layout.h"
#include "settings/settings_dialog_text_box.h"

#include "platform/desktop.h"
#include "platform/message_box.h"
#include "platform/registry.h"

#include <QCheckBox>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

const QString kRunPath = uR"(Software\Microsoft\Windows\CurrentVersion\Run)"_s;
const QString kRunValue = u"Horalux"_s;

struct Switch {
    QCheckBox *SettingsDialogControls::*box;
    const settings_schema::Setting &setting;
};

// The switches with a box of their own on this tab.
const Switch kSwitches[] = {
    {&SettingsDialogControls::chk_ontop, setting::OnTop},
    {&SettingsDialogControls::chk_24hr, setting::TwentyFourHour},
    {&SettingsDialogControls::chk_sync, setting::Sync},
    {&SettingsDialogControls::chk_dst, setting::DaylightSaving},
    {&SettingsDialogControls::chk_effects, setting::Graphic},
    {&SettingsDialogControls::chk_exact, setting::Exact},
};

bool onByDefault(const settings_schema::Setting &setting)
{
    return settings_schema::switchState(setting.defaultText) == settings_schema::SwitchState::True;
}

} // namespace

SettingsTab::SettingsTab(const SettingsDialogControls &controls, TypedSettings store, platform::Registry &registry,
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
    c.txt_scan->setText(m_store.text(setting::Scan));
    for (const Switch &option : kSwitches) {
        if (m_store.isTrue(option.setting))
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
        m_store.save(setting::Scan, box->text());
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
    m_store.save(setting::Scan, setting::Scan.defaultText);
    box->setText(setting::Scan.defaultText);
    return true;
}

void SettingsTab::apply24Hour()
{
    m_store.saveSwitch(setting::TwentyFourHour, m_controls.chk_24hr->isChecked());
}

bool SettingsTab::applySwitches(QString *problem)
{
    const SettingsDialogControls &c = m_controls;
    const bool entryStored = m_registry.SetRegString(
        platform::RegistryRoot::LocalMachine, kRunPath, kRunValue,
        c.chk_lww->isChecked() ? settings::expectedAutostartData(m_desktop.startCommand()) : QString(u""_s), problem);

    m_store.saveSwitch(setting::OnTop, c.chk_ontop->isChecked());
    m_mainWindow.ontop();

    m_store.saveSwitch(setting::Sync, c.chk_sync->isChecked());

    const QString dayPicture = m_desktop.programFolder() + u"/day.bmp"_s;
    m_store.saveSwitch(setting::Graphic, c.chk_effects->isChecked());
    if (!c.chk_effects->isChecked())
        m_mainWindow.loadBackgroundPicture(dayPicture);
    m_store.saveSwitch(setting::DaylightSaving, c.chk_dst->isChecked());
    if (!c.chk_dst->isChecked())
        m_mainWindow.loadBackgroundPicture(dayPicture);
    m_store.saveSwitch(setting::Exact, c.chk_exact->isChecked());
    return entryStored;
}

void SettingsTab::reset()
{
    const SettingsDialogControls &c = m_controls;
    c.txt_scan->setText(setting::Scan.defaultText);
    c.chk_lww->setChecked(false);
    for (const Switch &option : kSwitches)
        (c.*option.box)->setChecked(onByDefault(option.setting));
}

void SettingsTab::UpDown1_UpClick()
{
    m_controls.txt_scan->setText(settings::delayAfterUpArrow(m_controls.txt_scan->text(), QLocale()));
}

void SettingsTab::UpDown1_DownClick()
{
    m_controls.txt_scan->setText(settings::delayAfterDownArrow(m_controls.txt_scan->text(), QLocale()));
}
