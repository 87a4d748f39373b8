// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/time_zones_tab.h"

#include "engine/settings_schema.h"
#include "engine/zone_catalogue.h"
#include "settings/main_window_link.h"
#include "settings/settings_dialog_layout.h"
#include "settings/settings_dialog_text_box.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Apply writes the 12/24-hour switch among the zone boxes, after the zone
// with this place in the apply order.
constexpr int kMidwayAfterApplyOrder = 1;

} // namespace

TimeZonesTab::TimeZonesTab(const SettingsDialogControls &controls, DialogStore store, MainWindowLink &mainWindow)
    : m_controls(controls),
      m_store(store),
      m_mainWindow(mainWindow),
      m_custom1 {controls.txt_tz1, controls.txt_diff1, setting::customName(1).key, setting::customOffset(1).key},
      m_custom2 {controls.txt_tz2, controls.txt_diff2, setting::customName(2).key, setting::customOffset(2).key}
{
}

void TimeZonesTab::load()
{
    for (const CustomZone *zone : {&m_custom1, &m_custom2}) {
        const QString offset = m_store.get(zone->offsetKey, QString());
        if (!offset.isEmpty())
            zone->offset->setText(offset);
    }
    for (const CustomZone *zone : {&m_custom1, &m_custom2}) {
        const QString name = m_store.get(zone->nameKey, QString());
        if (!name.isEmpty())
            zone->name->setText(name);
    }
    for (const PresetZone *zone : zone_catalogue::presetsBy(&PresetZone::boxLoadOrder)) {
        const QString key = QLatin1String(zone->key);
        if (m_store.get(key, u"1"_s) == u"1")
            m_controls.zoneBoxes.value(key)->setChecked(true);
    }
}

void TimeZonesTab::applyZones(const std::function<void()> &midway)
{
    for (const PresetZone *zone : zone_catalogue::presetsBy(&PresetZone::boxApplyOrder)) {
        const QString key = QLatin1String(zone->key);
        m_store.save(key, m_controls.zoneBoxes.value(key)->isChecked() ? u"1"_s : u"0"_s);
        if (zone->boxApplyOrder == kMidwayAfterApplyOrder)
            midway();
    }
}

bool TimeZonesTab::anyZoneChecked() const
{
    return std::any_of(m_controls.zoneBoxes.cbegin(), m_controls.zoneBoxes.cend(),
                       [](const QCheckBox *box) { return box->isChecked(); });
}

void TimeZonesTab::turnOnUnitedKingdom()
{
    m_controls.zoneBoxes.value(u"uk"_s)->setChecked(true);
    m_store.save(u"uk"_s, u"1"_s);
}

void TimeZonesTab::reset()
{
    for (QCheckBox *box : m_controls.zoneBoxes)
        box->setChecked(true);
}

void TimeZonesTab::customNameChanged(int number)
{
    const CustomZone &zone = custom(number);
    const QString name = zone.name->text();
    m_store.save(zone.nameKey, name);
    m_store.save(zone.offsetKey, zone.offset->text());
    // An emptied name leaves the rotation, so its menu entry goes as well.
    m_mainWindow.setCustomMenuEntryVisible(number, !name.isEmpty());
    m_mainWindow.setCustomMenuEntryCaption(number, name);
}

void TimeZonesTab::customOffsetChanged(int number)
{
    const CustomZone &zone = custom(number);
    m_store.save(zone.offsetKey, zone.offset->text());
}

void TimeZonesTab::resetCustomZone(int number)
{
    const CustomZone &zone = custom(number);
    zone.name->setText(customZonePlaceholder());
    zone.offset->setText(u"0"_s);
    m_store.remove(zone.nameKey);
    m_store.remove(zone.offsetKey);
    m_mainWindow.setCustomMenuEntryVisible(number, false);
}
