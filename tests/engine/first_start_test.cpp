// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/first_start.h"

#include "settingsstore/settings_store.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(FirstStart, TimeFormatsWithAnAmPmPart)
{
    struct Case {
        QString format;
        bool hasAmPm;
    };
    const QList<Case> cases = {
        {u"h:mm AP"_s, true},        {u"AP h:mm"_s, true},    {u"h:mm:ss a"_s, true},   {u"h:mm ap"_s, true},
        {u"HH:mm"_s, false},         {u"H:mm:ss t"_s, false}, {u"HH 'at' mm"_s, false}, {u"HH'h'mm 'Uhr'"_s, false},
        {u"'o''clock' h A"_s, true}, {u"''HH''"_s, false},    {u""_s, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.format.toStdString());
        EXPECT_EQ(settings::timeFormatHasAmPm(c.format), c.hasAmPm);
    }
}

// As Qt 6.4's locale data has them: en_US "h:mm AP", de_DE and en_GB "HH:mm",
// C "HH:mm:ss", ko_KR "AP h:mm".
TEST(FirstStart, LocalesChooseTheirClock)
{
    const QList<std::pair<const char *, QString>> cases = {
        {"en_US", u"False"_s}, {"de_DE", u"True"_s},  {"C", u"True"_s},
        {"en_GB", u"True"_s},  {"ko_KR", u"False"_s}, {"ja_JP", u"True"_s},
    };
    for (const auto &[name, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(settings::firstStart24hrValue(QLocale(QString::fromLatin1(name))), expected);
    }
}

TEST(FirstStart, SettlesOnlyAMissingOrEmptyValue)
{
    QTemporaryDir root;
    settings::IniSettingsStore store(root.path());
    const auto stored = [&] { return store.GetSetting(u"Horalux"_s, u"data"_s, u"24hr"_s, u"<missing>"_s); };

    settings::settleFirstStart24hr(store, QLocale(u"en_US"_s));
    EXPECT_EQ(stored(), u"False");

    settings::settleFirstStart24hr(store, QLocale(u"de_DE"_s));
    EXPECT_EQ(stored(), u"False") << "a stored value stays";

    store.SaveSetting(u"Horalux"_s, u"Data"_s, u"24HR"_s, u"whatever"_s);
    settings::settleFirstStart24hr(store, QLocale(u"de_DE"_s));
    EXPECT_EQ(stored(), u"whatever");

    store.SaveSetting(u"Horalux"_s, u"data"_s, u"24hr"_s, QString());
    settings::settleFirstStart24hr(store, QLocale(u"de_DE"_s));
    EXPECT_EQ(stored(), u"True");
}

} // namespace
