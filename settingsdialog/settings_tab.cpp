// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/settings_tab.h"

#include "engine/settings_schema.h"
#include "settingsdialog/main_window_link.h"
#include "settingsdialog/settings_dialog_delay.h"
#include "settingsdialog/settings_dialog_layout.h"
#include "settingsdialog/settings_dialog_text_box.h"

#include "platform/autostart.h"
#include "platform/desktop.h"
#include "platform/message_box.h"

#include <QCheckBox>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// What Apply does besides saving a switch.
enum class AfterSave {
    Nothing,
    PlaceWindow,       // the window follows at once
    DayPictureWhenOff, // the plain day picture stands in for the scenery
    SavedAmongZones,   // saved by apply24Hour, where it belongs among the zone flags
};

struct Switch {
    QCheckBox *SettingsDialogControls::*box;
    const settings_schema::Setting &setting;
    AfterSave after;
};

// The switches with a box of their own on this tab, in the order Apply saves them.
const Switch kSwitches[] = {
    {&SettingsDialogControls::alwaysOnTopCheck, setting::OnTop, AfterSave::PlaceWindow},
    {&SettingsDialogControls::twentyFourHourCheck, setting::TwentyFourHour, AfterSave::SavedAmongZones},
    {&SettingsDialogControls::timeSyncCheck, setting::Sync, AfterSave::Nothing},
    {&SettingsDialogControls::sceneryCheck, setting::Graphic, AfterSave::DayPictureWhenOff},
    {&SettingsDialogControls::daylightSavingCheck, setting::DaylightSaving, AfterSave::DayPictureWhenOff},
    {&SettingsDialogControls::exactZonesCheck, setting::Exact, AfterSave::Nothing},
};

bool onByDefault(const settings_schema::Setting &setting)
{
    return settings_schema::switchState(setting.defaultText) == settings_schema::SwitchState::True;
}

} // namespace

SettingsTab::SettingsTab(const SettingsDialogControls &controls, TypedSettings store, platform::Autostart &autostart,
                         platform::Desktop &desktop, platform::MessageBoxes &messages, MainWindowLink &mainWindow,
                         QWidget *dialog)
    : m_controls(controls),
      m_store(store),
      m_autostart(autostart),
      m_desktop(desktop),
      m_messages(messages),
      m_mainWindow(mainWindow),
      m_dialog(dialog)
{
    QCheckBox *exact = controls.exactZonesCheck;
    QObject::connect(exact, &QCheckBox::toggled, exact, [exact](bool on) { exact->setText(exactZonesCaption(on)); });
}

void SettingsTab::load()
{
    const SettingsDialogControls &c = m_controls;
    c.scanDelayEdit->setText(m_store.text(setting::Scan));
    for (const Switch &option : kSwitches) {
        if (m_store.isTrue(option.setting))
            (c.*option.box)->setChecked(true);
    }
    if (m_autostart.isEnabled())
        c.startWithDesktopCheck->setChecked(true);
}

bool SettingsTab::applyDelay()
{
    LimitedTextBox *box = m_controls.scanDelayEdit;
    // The user's own locale decides the decimal separator.
    if (settings::delayAccepted(box->text(), QLocale())) {
        m_store.save(setting::Scan, box->text());
        return true;
    }
    // A message box runs events, and an update started meanwhile closes (and
    // so deletes) the dialog with this tab: then nothing here is left to use.
    const QPointer<QWidget> alive = m_dialog;
    m_messages.show(tr("Sorry, your Time delay is set to an invalid number. You must choose a number between 5 "
                       "and 60. I have now set it to 20 for you"),
                    //: The title of a message box about a wrong number.
                    tr("Error"), platform::MessageBoxes::Icon::Information);
    if (!alive)
        return false;
    m_store.save(setting::Scan, setting::Scan.defaultText);
    box->setText(setting::Scan.defaultText);
    return true;
}

void SettingsTab::apply24Hour()
{
    m_store.saveSwitch(setting::TwentyFourHour, m_controls.twentyFourHourCheck->isChecked());
}

bool SettingsTab::applySwitches(QString *problem)
{
    const SettingsDialogControls &c = m_controls;
    const bool entryStored = m_autostart.setEnabled(c.startWithDesktopCheck->isChecked(), problem);
    for (const Switch &option : kSwitches) {
        if (option.after == AfterSave::SavedAmongZones)
            continue;
        const bool on = (c.*option.box)->isChecked();
        m_store.saveSwitch(option.setting, on);
        if (option.after == AfterSave::PlaceWindow)
            m_mainWindow.applyOnTopAndPlace();
        else if (option.after == AfterSave::DayPictureWhenOff && !on)
            m_mainWindow.loadBackgroundPicture(m_desktop.programFolder() + u"/day.bmp"_s);
    }
    return entryStored;
}

void SettingsTab::reset()
{
    const SettingsDialogControls &c = m_controls;
    c.scanDelayEdit->setText(setting::Scan.defaultText);
    c.startWithDesktopCheck->setChecked(false);
    for (const Switch &option : kSwitches)
        (c.*option.box)->setChecked(onByDefault(option.setting));
}

void SettingsTab::stepDelayUp()
{
    m_controls.scanDelayEdit->setText(settings::delayAfterUpArrow(m_controls.scanDelayEdit->text(), QLocale()));
}

void SettingsTab::stepDelayDown()
{
    m_controls.scanDelayEdit->setText(settings::delayAfterDownArrow(m_controls.scanDelayEdit->text(), QLocale()));
}
