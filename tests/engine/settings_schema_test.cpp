// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/settings_schema.h"
#include "engine/typed_settings.h"
#include "engine/zone_catalogue.h"

#include "fake_platform.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QSet>

#include <cfloat>

using namespace Qt::StringLiterals;
using settings_schema::Kind;
using settings_schema::SwitchState;

namespace {

TEST(SettingsSchema, SwitchesAndFlagsAreComparedExactlyNeverParsed)
{
    const struct {
        QString text;
        SwitchState asSwitch;
        bool asFlag;
    } cases[] = {
        {u"True"_s, SwitchState::True, false},     {u"False"_s, SwitchState::False, false},
        {u"true"_s, SwitchState::Neither, false},  {u"FALSE"_s, SwitchState::Neither, false},
        {u" True"_s, SwitchState::Neither, false}, {u"False "_s, SwitchState::Neither, false},
        {u"1"_s, SwitchState::Neither, true},      {u"0"_s, SwitchState::Neither, false},
        {u"01"_s, SwitchState::Neither, false},    {u"1 "_s, SwitchState::Neither, false},
        {u"1.0"_s, SwitchState::Neither, false},   {u"-1"_s, SwitchState::Neither, false},
        {QString(), SwitchState::Neither, false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(settings_schema::switchState(c.text), c.asSwitch) << c.text.toStdString();
        EXPECT_EQ(settings_schema::flagSet(c.text), c.asFlag) << c.text.toStdString();
    }
}

TEST(SettingsSchema, NumbersCountOnlyWithinTheirRule)
{
    const float floatMax = FLT_MAX;
    const struct {
        const settings_schema::Setting &setting;
        QString text;
        std::optional<double> number;
    } cases[] = {
        {setting::Scan, u"20"_s, 20},
        {setting::Scan, u" 5 "_s, 5},
        {setting::Scan, u"60"_s, 60},
        {setting::Scan, u"60.99"_s, 60},
        {setting::Scan, u"7.9"_s, 7},
        {setting::Scan, u"+6"_s, 6},
        {setting::Scan, u"5e1"_s, 50},
        {setting::Scan, u"4.99"_s, 4},
        {setting::Scan, u"61"_s, 61},
        {setting::Scan, u"65.9"_s, 65},
        {setting::Scan, u"66"_s, std::nullopt},
        {setting::Scan, u"0.9"_s, std::nullopt},
        {setting::Scan, u"-20"_s, std::nullopt},
        {setting::Scan, u"twenty"_s, std::nullopt},
        {setting::Scan, QString(), std::nullopt},
        {setting::Scan, u"nan"_s, std::nullopt},
        {setting::Scan, u"inf"_s, std::nullopt},
        {setting::Scan, u"0x14"_s, std::nullopt},
        {setting::FormX, u"-150"_s, -150},
        {setting::FormY, u"28785.5"_s, 28785.5},
        {setting::FormX, QString::number(double(floatMax), 'g', 17), double(floatMax)},
        {setting::FormX, u"3.5e38"_s, std::nullopt},
        {setting::FormY, u"1e400"_s, std::nullopt},
        {setting::FormX, u"200px"_s, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(settings_schema::numberIn(c.setting, c.text), c.number)
            << c.setting.key.toStdString() << " " << c.text.toStdString();

    EXPECT_EQ(settings_schema::numberOrDefault(setting::Scan, u"4"_s), 4);
    EXPECT_EQ(settings_schema::numberOrDefault(setting::Scan, u"0"_s), 20);
    EXPECT_EQ(settings_schema::numberOrDefault(setting::Scan, u"45.5"_s), 45);
    EXPECT_EQ(settings_schema::defaultNumber(setting::FormY), 200);
}

// A default its own reader would not accept, or two settings on one key,
// would make the table lie about what a missing value means.
TEST(SettingsSchema, EveryDefaultIsValidAndEveryKeyIsItsOwn)
{
    QSet<QString> keys;
    for (const settings_schema::Setting *s : setting::fixedSettings()) {
        SCOPED_TRACE(s->key.toStdString());
        EXPECT_FALSE(keys.contains(s->key.toCaseFolded()));
        keys.insert(s->key.toCaseFolded());
        EXPECT_EQ(s->section.toCaseFolded(), u"data") << "all fixed keys live in the clock's own section";
        switch (s->kind) {
        case Kind::Switch: EXPECT_NE(settings_schema::switchState(s->defaultText), SwitchState::Neither); break;
        case Kind::Flag: EXPECT_TRUE(s->defaultText == u"1" || s->defaultText == u"0"); break;
        case Kind::Number: EXPECT_TRUE(settings_schema::numberIn(*s, s->defaultText)); break;
        case Kind::Date:
        case Kind::Text: break;
        }
    }
    // Each place of one's own keeps the keys older versions wrote for it.
    for (int number = 1; number <= zone_catalogue::CustomCount; ++number) {
        const QString n = QString::number(number);
        const settings_schema::Setting place[] = {setting::customName(number), setting::customOffset(number),
                                                  setting::customZoneId(number)};
        const QString expected[] = {u"tz"_s + n, u"diff"_s + n, u"zone"_s + n};
        for (int i = 0; i < 3; ++i) {
            const QString &key = place[i].key;
            EXPECT_EQ(key, expected[i]);
            EXPECT_EQ(place[i].section, u"data");
            EXPECT_FALSE(keys.contains(key.toCaseFolded())) << key.toStdString();
            keys.insert(key.toCaseFolded());
        }
    }
    EXPECT_EQ(keys.size(), qsizetype(setting::fixedSettings().size()) + 3 * zone_catalogue::CustomCount);
}

// What the store holds is what older and newer versions of the clock read:
// the literals and the defaults a missing key stands for.
TEST(TypedSettings, WritesTheLiteralsAndReadsMissingKeysAsTheirDefaults)
{
    MemorySettingsStore store;
    TypedSettings settings(store);

    EXPECT_TRUE(settings.isTrue(setting::DaylightSaving));
    EXPECT_TRUE(settings.isFalse(setting::TwentyFourHour));
    EXPECT_TRUE(settings.isSet(setting::zoneEnabled(u"uk"_s)));
    EXPECT_FALSE(settings.isSet(setting::versionOffered(u"1.0.9"_s)));
    EXPECT_EQ(settings.number(setting::Scan), 20);
    EXPECT_EQ(settings.text(setting::customOffset(2)), u"0");
    EXPECT_EQ(settings.storedText(setting::customOffset(2)), QString()) << "no default: missing reads empty";
    EXPECT_EQ(settings.text(setting::LastUpdateCheck, u"today"_s), u"today");
    EXPECT_EQ(store.readCount(), 8) << "one store read each, nothing cached";

    settings.saveSwitch(setting::Graphic, false);
    settings.saveSwitch(setting::Sync, true);
    settings.saveFlag(setting::zoneEnabled(u"mos"_s), false);
    settings.saveFlag(setting::versionOffered(u"1.0.10"_s), true);
    settings.save(setting::customName(1), u"Base camp"_s);
    EXPECT_EQ(store.value(u"graphic"_s), u"False");
    EXPECT_EQ(store.value(u"sync"_s), u"True");
    EXPECT_EQ(store.value(u"mos"_s), u"0");
    EXPECT_EQ(store.GetSetting(u"Horalux"_s, u"version"_s, u"1.0.10"_s), u"1");
    EXPECT_EQ(store.value(u"tz1"_s), u"Base camp");
    EXPECT_FALSE(settings.isTrue(setting::Graphic));
    EXPECT_FALSE(settings.isSet(setting::zoneEnabled(u"mos"_s)));

    store.set(u"ontop"_s, u"true"_s);
    EXPECT_EQ(settings.switchState(setting::OnTop), SwitchState::Neither);
    store.set(u"scan"_s, u"90"_s);
    EXPECT_EQ(settings.number(setting::Scan), std::nullopt);

    settings.remove(setting::customName(1));
    settings.remove(setting::customName(1));
    EXPECT_FALSE(store.has(u"tz1"_s));
}

} // namespace
