// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_dialog_test_world.h"

#include "settingsdialog/settings_dialog_text_box.h"
#include "settingsdialog/settings_tab.h"
#include "settingsdialog/time_zones_tab.h"

#include <QCheckBox>

// Each tab's reset puts its controls back to the defaults a fresh store
// would load, and writes nothing until Apply.

using namespace settings_dialog_test;
using namespace Qt::StringLiterals;

namespace {

class SettingsTabs : public DialogWorld {
protected:
    QWidget window;
    SettingsDialogControls controls = buildSettingsDialog(&window);
};

TEST_F(SettingsTabs, ResetGivesTheDefaultsOfAnEmptyStoreAndWritesNothing)
{
    const std::pair<QString, QString> stored[] = {
        {u"scan"_s, u"45"_s},    {u"ontop"_s, u"True"_s},    {u"24hr"_s, u"True"_s},
        {u"sync"_s, u"False"_s}, {u"graphic"_s, u"False"_s}, {u"dst"_s, u"False"_s},
        {u"exact"_s, u"True"_s}, {u"uk"_s, u"0"_s},          {u"jer"_s, u"0"_s},
    };
    for (const auto &[key, value] : stored)
        platform.settings.set(key, value);
    platform.autostart.enabled = true;

    SettingsTab settingsTab(controls, TypedSettings(platform.settings), platform.autostart, platform.desktop, messages,
                            mainWindow, &window);
    TimeZonesTab timeZonesTab(controls, TypedSettings(platform.settings), mainWindow);
    settingsTab.load();
    timeZonesTab.load();
    ASSERT_TRUE(controls.alwaysOnTopCheck->isChecked());
    ASSERT_TRUE(controls.startWithDesktopCheck->isChecked());
    ASSERT_FALSE(controls.zoneBoxes.value(u"jer"_s)->isChecked());

    settingsTab.reset();
    timeZonesTab.reset();

    // What a dialog opened on an empty store shows.
    FakePlatform empty;
    QWidget freshWindow;
    SettingsDialogControls fresh = buildSettingsDialog(&freshWindow);
    SettingsTab(fresh, TypedSettings(empty.settings), empty.autostart, empty.desktop, messages, mainWindow,
                &freshWindow)
        .load();
    TimeZonesTab(fresh, TypedSettings(empty.settings), mainWindow).load();

    EXPECT_EQ(controls.scanDelayEdit->text(), fresh.scanDelayEdit->text());
    const std::pair<QCheckBox *, QCheckBox *> switches[] = {
        {controls.startWithDesktopCheck, fresh.startWithDesktopCheck},
        {controls.alwaysOnTopCheck, fresh.alwaysOnTopCheck},
        {controls.twentyFourHourCheck, fresh.twentyFourHourCheck},
        {controls.timeSyncCheck, fresh.timeSyncCheck},
        {controls.sceneryCheck, fresh.sceneryCheck},
        {controls.daylightSavingCheck, fresh.daylightSavingCheck},
        {controls.exactZonesCheck, fresh.exactZonesCheck},
    };
    for (const auto &[reset, expected] : switches)
        EXPECT_EQ(reset->isChecked(), expected->isChecked()) << reset->objectName().toStdString();
    for (auto box = fresh.zoneBoxes.cbegin(); box != fresh.zoneBoxes.cend(); ++box)
        EXPECT_EQ(controls.zoneBoxes.value(box.key())->isChecked(), box.value()->isChecked())
            << box.key().toStdString();

    for (const auto &[key, value] : stored)
        EXPECT_EQ(platform.settings.value(key), value) << "reset writes nothing: " << key.toStdString();
    EXPECT_EQ(platform.autostart.stores, 0);
    EXPECT_EQ(platform.autostart.enabled, true);
}

} // namespace
