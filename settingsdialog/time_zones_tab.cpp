// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/time_zones_tab.h"

#include "engine/exact_zone_time.h"
#include "engine/settings_schema.h"
#include "engine/zone_catalogue.h"
#include "settingsdialog/main_window_link.h"
#include "settingsdialog/settings_dialog_layout.h"
#include "settingsdialog/settings_dialog_text_box.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCompleter>
#include <QLabel>

#include <algorithm>

namespace {

// Apply writes the 12/24-hour switch among the zone boxes, after the zone
// with this place in the apply order.
constexpr int kMidwayAfterApplyOrder = 1;
// The zone Apply turns on when the user left every box empty.
constexpr int kUnitedKingdomPosition = 1;

// "GMT+5:30", "GMT-3", "GMT": the offset the clock reads from the box.
QString gmtText(const QString &offsetText)
{
    const int minutes = exact_zone_time::customOffsetSeconds(offsetText).value_or(0) / 60;
    if (minutes == 0)
        return QStringLiteral("GMT");
    QString text = QStringLiteral("GMT%1%2").arg(QChar(minutes < 0 ? u'\u2212' : u'+')).arg(std::abs(minutes) / 60);
    if (minutes % 60 != 0)
        text += QStringLiteral(":%1").arg(std::abs(minutes) % 60, 2, 10, QLatin1Char('0'));
    return text;
}

} // namespace

std::array<TimeZonesTab::CustomZone, zone_catalogue::CustomCount>
TimeZonesTab::customZonesOf(const SettingsDialogControls &controls)
{
    std::array<CustomZone, zone_catalogue::CustomCount> zones;
    for (int number = 1; number <= zone_catalogue::CustomCount; ++number) {
        const CustomZoneControls &row = controls.customZones[std::size_t(number - 1)];
        zones[std::size_t(number - 1)] = {row.nameEdit,
                                          row.offsetEdit,
                                          setting::customName(number),
                                          setting::customOffset(number),
                                          setting::customZoneId(number),
                                          row.placeNote};
    }
    return zones;
}

TimeZonesTab::TimeZonesTab(const SettingsDialogControls &controls, TypedSettings store, MainWindowLink &mainWindow)
    : m_controls(controls),
      m_store(store),
      m_mainWindow(mainWindow),
      m_customZones(customZonesOf(controls))
{
    for (int number = 1; number <= zone_catalogue::CustomCount; ++number)
        offerZones(custom(number), number);
}

void TimeZonesTab::offerZones(CustomZone &zone, int number)
{
    QCompleter *completer = m_zoneChoices.makeCompleter(zone.name);
    zone.name->setCompleter(completer);
    // Queued: the box puts the suggestion itself in afterwards, which the
    // place's name then replaces.
    QObject::connect(
        completer, qOverload<const QString &>(&QCompleter::activated), zone.name,
        [this, number](const QString &suggestion) { customZoneChosen(number, suggestion); }, Qt::QueuedConnection);
    // Only the user's own typing forgets the id: loading sets both boxes too.
    const settings_schema::Setting zoneId = zone.zoneIdSetting;
    for (LimitedTextBox *box : {zone.name, zone.offset})
        QObject::connect(box, &QLineEdit::textEdited, box, [this, zoneId] { m_store.remove(zoneId); });
    QObject::connect(zone.name, &QLineEdit::textEdited, zone.name, [this, &zone] {
        zone.nameTyped = true;
        showNote(zone, QString());
    });
}

void TimeZonesTab::customZoneChosen(int number, const QString &suggestion)
{
    const QString zoneId = m_zoneChoices.zoneIdOf(suggestion);
    if (!zoneId.isEmpty())
        bindPlace(custom(number), zoneId);
}

void TimeZonesTab::bindPlace(CustomZone &zone, const QString &zoneId)
{
    zone.nameTyped = false;
    zone.offset->setText(ZoneChoices::offsetTextNow(zoneId));
    zone.name->setText(ZoneChoices::placeName(zoneId));
    m_store.save(zone.zoneIdSetting, zoneId);
    showNote(zone, QString());
}

void TimeZonesTab::checkTypedName(int number)
{
    CustomZone &zone = custom(number);
    if (!zone.nameTyped)
        return;
    zone.nameTyped = false;
    const QString name = zone.name->text();
    if (name.trimmed().isEmpty())
        return;
    if (const QString zoneId = m_zoneChoices.zoneIdOfTyped(name); !zoneId.isEmpty()) {
        bindPlace(zone, zoneId);
        return;
    }
    //: Under a custom zone's name box; %1 is the offset the clock uses, such as "GMT+5:30". Keep it short.
    showNote(zone,
             QCoreApplication::translate("TimeZonesTab", "No place of this name is known: shown at %1, as typed.")
                 .arg(gmtText(zone.offset->text())));
}

void TimeZonesTab::checkTypedNames()
{
    for (int number = 1; number <= zone_catalogue::CustomCount; ++number)
        checkTypedName(number);
}

void TimeZonesTab::showNote(CustomZone &zone, const QString &text)
{
    if (zone.note->text() == text)
        return;
    zone.note->setText(text);
    zone.note->setVisible(!text.isEmpty());
    // Read with the box when the user comes back to it.
    zone.name->setAccessibleDescription(text);
    QAccessibleEvent changed(zone.note, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void TimeZonesTab::load()
{
    for (const CustomZone &zone : m_customZones) {
        const QString offset = m_store.storedText(zone.offsetSetting);
        if (!offset.isEmpty())
            zone.offset->setText(offset);
    }
    for (const CustomZone &zone : m_customZones) {
        const QString name = m_store.storedText(zone.nameSetting);
        if (!name.isEmpty())
            zone.name->setText(name);
    }
    // A bound place shows its difference now, which the fixed-offset clock uses.
    for (const CustomZone &zone : m_customZones) {
        const QString zoneId = m_store.storedText(zone.zoneIdSetting);
        if (!zoneId.isEmpty() && !m_zoneChoices.zoneIdOf(zoneId).isEmpty())
            zone.offset->setText(ZoneChoices::offsetTextNow(zoneId));
    }
    for (const PresetZone *zone : zone_catalogue::presetsBy(&PresetZone::boxLoadOrder)) {
        const QString key = QLatin1String(zone->key);
        if (m_store.isSet(setting::zoneEnabled(key)))
            m_controls.zoneBoxes.value(key)->setChecked(true);
    }
}

void TimeZonesTab::applyZones(const std::function<void()> &midway)
{
    for (const PresetZone *zone : zone_catalogue::presetsBy(&PresetZone::boxApplyOrder)) {
        const QString key = QLatin1String(zone->key);
        m_store.saveFlag(setting::zoneEnabled(key), m_controls.zoneBoxes.value(key)->isChecked());
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
    const QString key = QLatin1String(zone_catalogue::presetAt(kUnitedKingdomPosition)->key);
    m_controls.zoneBoxes.value(key)->setChecked(true);
    m_store.saveFlag(setting::zoneEnabled(key), true);
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
    m_store.save(zone.nameSetting, name);
    m_store.save(zone.offsetSetting, zone.offset->text());
    // An emptied name leaves the rotation, so its menu entry goes as well.
    m_mainWindow.setCustomMenuEntryVisible(number, !name.isEmpty());
    m_mainWindow.setCustomMenuEntryCaption(number, name);
}

void TimeZonesTab::customOffsetChanged(int number)
{
    const CustomZone &zone = custom(number);
    m_store.save(zone.offsetSetting, zone.offset->text());
}

void TimeZonesTab::resetCustomZone(int number)
{
    CustomZone &zone = custom(number);
    zone.nameTyped = false;
    showNote(zone, QString());
    zone.name->setText(customZonePlaceholder());
    zone.offset->setText(zone.offsetSetting.defaultText);
    m_store.remove(zone.nameSetting);
    m_store.remove(zone.offsetSetting);
    m_store.remove(zone.zoneIdSetting);
    m_mainWindow.setCustomMenuEntryVisible(number, false);
}
