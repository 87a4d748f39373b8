// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/zone_catalogue.h"

#include "fake_platform.h"

#include <gtest/gtest.h>

#include <QSet>

#include <iterator>

namespace {

TEST(ZoneCatalogue, PresetsKeepTheirRotationOrderKeysAndOffsets)
{
    struct Expect {
        int position;
        const char *key;
        const char *name;
        int offset;
        bool dst;
        const char *menuItem;
        const char *menuCaption;
    };
    // Every row, written out from the published table rather than derived:
    // the order is not sorted by offset, and equal offsets differ in daylight
    // saving, so no rule could stand in for it.
    const Expect rows[] = {
        {1, "uk", "United Kingdom", 0, true, "showUkAction", "United Kingdom"},
        {2, "haw", "Pacific Time, USA", -8, true, "showPacificAction", "Pacific Time, USA"},
        {3, "ariz", "Mountain Time, USA", -7, true, "showMountainAction", "Mountain Time, USA"},
        {4, "cent", "Central Time, USA", -6, true, "showCentralAction", "Central Time, USA"},
        {5, "east", "Eastern Time, USA", -5, true, "showEasternAction", "Eastern Time, USA"},
        {6, "braz", "Brasilia + Greenland", -3, true, "showBrasiliaAction", "Brasilia + Greenland"},
        {7, "amst", "Amsterdam + Berlin", 1, true, "showAmsterdamAction", "Amsterdam + Berlin"},
        {8, "bruss", "Belgium + France", 1, true, "showBelgiumAction", "Belgium + France"},
        {9, "jer", "Jerusalem", 2, false, "showJerusalemAction", "Jerusalem"},
        {10, "kuw", "Kuwait + Riyadh", 3, false, "showKuwaitAction", "Kuwait + Riyadh"},
        {11, "mos", "Moscow + Volgograd", 3, true, "showMoscowAction", "Moscow, Volgograd"},
        {12, "abu", "Abu Dhabi + Muscat", 4, false, "showAbuDhabiAction", "Abu Dhabi + Muscat"},
        {13, "islam", "Islamabad + Tashkent", 5, false, "showIslamabadAction", "Islamabad + Tashkent"},
        {14, "bang", "Bangkok + Hanoi", 7, false, "showBangkokAction", "Bangkok + Hanoi"},
        {15, "beij", "Beijing + Hong Kong", 8, false, "showBeijingAction", "Beijing + Hong Kong"},
        {16, "pert", "Perth, Australia", 8, false, "showPerthAction", "Perth, Australia"},
        {17, "seo", "Seoul, South Korea", 9, false, "showSeoulAction", "Seoul, South Korea"},
        {18, "bris", "Brisbane, Australia", 10, false, "showBrisbaneAction", "Brisbane, Australia"},
        {19, "vlad", "Vladivostok, Russia", 10, true, "showVladivostokAction", "Vladivostok, Russia"},
        {20, "auc", "Wellington, New Zealand", 12, true, "showWellingtonAction", "Wellington, New Zealand"},
        {21, "fin", "Finland", 2, true, "showFinlandAction", "Finland"},
        {22, "ger", "Germany + Gibraltar", 1, true, "showGermanyAction", "Germany + Gibraltar"},
        {23, "spa", "Spain + Sweden", 1, true, "showSpainAction", "Spain + Sweden"},
        {24, "turk", "Turkey", 2, true, "showTurkeyAction", "Turkey"},
    };
    ASSERT_EQ(std::size(rows), zone_catalogue::presets().size());
    for (const Expect &row : rows) {
        const PresetZone *zone = zone_catalogue::presetAt(row.position);
        ASSERT_NE(zone, nullptr) << row.position;
        EXPECT_EQ(zone->position, row.position);
        EXPECT_STREQ(zone->key, row.key) << row.position;
        EXPECT_STREQ(zone->name, row.name) << row.key;
        EXPECT_EQ(zone->offsetHours, row.offset) << row.key;
        EXPECT_EQ(zone->daylightSaving, row.dst) << row.key;
        EXPECT_STREQ(zone->menuItem, row.menuItem) << row.key;
        EXPECT_STREQ(zone->menuCaption, row.menuCaption) << row.key;
        EXPECT_EQ(zone_catalogue::presetByKey(QLatin1String(row.key)), zone) << row.key;
    }
    EXPECT_EQ(zone_catalogue::presetAt(0), nullptr);
    EXPECT_EQ(zone_catalogue::presetAt(25), nullptr);
}

TEST(ZoneCatalogue, KeysMenuItemsAndMenuPlacesAreUnique)
{
    QSet<QString> keys, items, places;
    for (const PresetZone &zone : zone_catalogue::presets()) {
        keys.insert(QLatin1String(zone.key));
        items.insert(QLatin1String(zone.menuItem));
        places.insert(QString::number(zone.menuOrder));
    }
    EXPECT_EQ(keys.size(), 24);
    EXPECT_EQ(items.size(), 24);
    EXPECT_EQ(places.size(), 24);
}

TEST(ZoneCatalogue, EveryOrderColumnPlacesEachZoneOnce)
{
    const std::pair<const char *, int PresetZone::*> columns[] = {
        {"menu", &PresetZone::menuOrder},
        {"dialog box", &PresetZone::boxOrder},
        {"dialog load", &PresetZone::boxLoadOrder},
        {"dialog apply", &PresetZone::boxApplyOrder},
    };
    for (const auto &[name, column] : columns) {
        SCOPED_TRACE(name);
        QSet<int> places;
        for (const PresetZone &zone : zone_catalogue::presets()) {
            EXPECT_GE(zone.*column, 0);
            EXPECT_LT(zone.*column, zone_catalogue::PresetCount);
            places.insert(zone.*column);
        }
        EXPECT_EQ(places.size(), zone_catalogue::PresetCount) << "no place taken twice, none left empty";
    }
}

TEST(ZoneCatalogue, EveryDialogBoxFitsItsColumn)
{
    // The dialog's columns start 3120 twips apart.
    for (const PresetZone &zone : zone_catalogue::presets()) {
        EXPECT_GT(zone.boxWidth, 0) << zone.key;
        EXPECT_LE(zone.boxWidth, 3120) << zone.key;
    }
}

TEST(ZoneCatalogue, MenuIsAlphabeticalButForMountainBeforeMoscow)
{
    QStringList captions;
    for (const PresetZone *zone : zone_catalogue::presetsInMenuOrder())
        captions << QString::fromUtf8(zone->menuCaption);
    EXPECT_EQ(captions.first(), QStringLiteral("Abu Dhabi + Muscat"));
    EXPECT_EQ(captions.last(), QStringLiteral("Wellington, New Zealand"));
    EXPECT_EQ(captions.indexOf(QStringLiteral("Mountain Time, USA")) + 1,
              captions.indexOf(QStringLiteral("Moscow, Volgograd")));
    QStringList expected = captions;
    expected.removeAll(QStringLiteral("Mountain Time, USA"));
    QStringList sorted = expected;
    sorted.sort();
    EXPECT_EQ(expected, sorted);
    // Only Moscow's menu caption differs from the typed name.
    for (const PresetZone &zone : zone_catalogue::presets()) {
        if (QLatin1String(zone.key) == QLatin1String("mos"))
            EXPECT_STRNE(zone.menuCaption, zone.name);
        else
            EXPECT_STREQ(zone.menuCaption, zone.name);
    }
}

TEST(ZoneCatalogue, EmptyStoreEnablesEveryPresetAndNoCustomZone)
{
    MemorySettingsStore store;
    for (int position = 1; position <= 24; ++position)
        EXPECT_TRUE(zone_catalogue::isEnabled(position, store)) << position;
    EXPECT_FALSE(zone_catalogue::isEnabled(25, store));
    EXPECT_FALSE(zone_catalogue::isEnabled(26, store));
    EXPECT_FALSE(zone_catalogue::isEnabled(0, store));
    EXPECT_FALSE(zone_catalogue::isEnabled(27, store));
}

TEST(ZoneCatalogue, OnlyTheExactTextOneEnablesAPreset)
{
    const struct {
        const char *value;
        bool enabled;
    } cases[] = {{"1", true}, {"0", false}, {"True", false}, {" 1", false}, {"1 ", false}, {"", false}, {"01", false}};
    for (const auto &c : cases) {
        MemorySettingsStore store;
        store.set(QStringLiteral("east"), QString::fromLatin1(c.value));
        EXPECT_EQ(zone_catalogue::isEnabled(5, store), c.enabled) << '"' << c.value << '"';
        EXPECT_TRUE(zone_catalogue::isEnabled(4, store)) << "another key must not be touched";
    }
}

TEST(ZoneCatalogue, CustomZonesAreReadAfreshAndEnabledByName)
{
    MemorySettingsStore store;
    store.set(QStringLiteral("diff1"), QStringLiteral("+5"));
    EXPECT_FALSE(zone_catalogue::isEnabled(25, store)) << "an offset alone does not enable";

    store.set(QStringLiteral("tz1"), QStringLiteral(" "));
    EXPECT_TRUE(zone_catalogue::isEnabled(25, store)) << "a single space is a name";
    auto entry = zone_catalogue::entryAt(25, store);
    ASSERT_TRUE(entry);
    EXPECT_TRUE(entry->isCustom);
    EXPECT_EQ(entry->name, QStringLiteral(" "));
    EXPECT_FALSE(entry->daylightSaving);

    store.set(QStringLiteral("tz2"), QStringLiteral("Kathmandu"));
    entry = zone_catalogue::entryAt(26, store);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, QStringLiteral("Kathmandu"));

    store.set(QStringLiteral("tz2"), QStringLiteral("Nepal"));
    entry = zone_catalogue::entryAt(26, store);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, QStringLiteral("Nepal")) << "never cached";

    store.set(QStringLiteral("tz2"), QString());
    EXPECT_FALSE(zone_catalogue::isEnabled(26, store)) << "an empty name is no zone";
    EXPECT_FALSE(zone_catalogue::entryAt(zone_catalogue::LastPosition + 1, store));
}

} // namespace
