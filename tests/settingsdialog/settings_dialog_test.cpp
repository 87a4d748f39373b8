// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_dialog_test_world.h"

#include "settingsdialog/settings_dialog_opener.h"

#include "horalux_version.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QTimeZone>

using namespace settings_dialog_test;
using namespace Qt::StringLiterals;
using Icon = platform::MessageBoxes::Icon;

namespace {

const QStringList kZoneKeys = {
    u"abu"_s,   u"amst"_s, u"ariz"_s, u"auc"_s, u"bang"_s, u"beij"_s, u"braz"_s,  u"bris"_s,
    u"bruss"_s, u"cent"_s, u"east"_s, u"fin"_s, u"ger"_s,  u"haw"_s,  u"islam"_s, u"jer"_s,
    u"kuw"_s,   u"mos"_s,  u"pert"_s, u"seo"_s, u"spa"_s,  u"turk"_s, u"uk"_s,    u"vlad"_s,
};
const QString kDelayError = u"Sorry, your Time delay is set to an invalid number. You must choose a number between 5 "
                            "and 60. I have now set it to 20 for you"_s;
const QString kNoZoneError = u"You must select AT LEAST one of the time zones to be displayed. United Kingdom has "
                             "now been turned on."_s;
const QString kPlaceholder = u"Enter the name of the time zone in here"_s;

using SettingsDialogTest = DialogWorld;

// The place's difference from GMT now, as the offset box shows it.
QString offsetNow(const char *zoneId)
{
    return QString::number(QTimeZone(zoneId).offsetFromUtc(QDateTime::currentDateTimeUtc()) / 3600.0);
}

// ---- Apply: the delay ---------------------------------------------------

TEST_F(SettingsDialogTest, ApplyKeepsADelayFromFiveToSixtyAndOtherwiseSetsTwenty)
{
    struct Case {
        QString text;
        bool accepted;
    };
    const Case cases[] = {
        {u"4"_s, false},  {u"5"_s, true}, {u"60"_s, true},  {u"61"_s, false},
        {u"99"_s, false}, {u""_s, false}, {u"ab"_s, false}, {u" 7"_s, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        platform.settings.set(u"scan"_s, c.text);
        platform.settings.set(u"ontop"_s, u"unset"_s);
        messages.shown.clear();
        open();
        EXPECT_EQ(box(u"scanDelayEdit"_s)->text(), c.text) << "loaded as stored";

        click(u"applyButton"_s);

        const QString expected = c.accepted ? c.text : u"20"_s;
        EXPECT_EQ(platform.settings.value(u"scan"_s), expected);
        EXPECT_EQ(box(u"scanDelayEdit"_s)->text(), expected);
        ASSERT_EQ(messages.shown.size(), c.accepted ? 0u : 1u);
        if (!c.accepted) {
            EXPECT_EQ(messages.shown[0].text, kDelayError);
            EXPECT_EQ(messages.shown[0].title, u"Error");
            EXPECT_EQ(messages.shown[0].icon, Icon::Information);
            EXPECT_EQ(messages.shown[0].buttons, platform::MessageBoxes::Buttons::Ok);
        }
        EXPECT_EQ(platform.settings.value(u"ontop"_s), u"False") << "the rest of Apply runs";
    }
}

TEST_F(SettingsDialogTest, ApplyStoresTheDelayOnlyOnceTheMessageIsClosed)
{
    platform.settings.set(u"scan"_s, u"99"_s);
    open();
    QString storedWhileShown;
    messages.whileShown = [&] { storedWhileShown = platform.settings.value(u"scan"_s); };
    click(u"applyButton"_s);
    EXPECT_EQ(storedWhileShown, u"99");
    EXPECT_EQ(platform.settings.value(u"scan"_s), u"20");
}

TEST_F(SettingsDialogTest, TypedDelayIsStoredAsTyped)
{
    open();
    type(u"scanDelayEdit"_s, u"45"_s);
    EXPECT_FALSE(platform.settings.has(u"scan"_s)) << "only Apply writes the delay";
    click(u"applyButton"_s);
    EXPECT_EQ(platform.settings.value(u"scan"_s), u"45");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SettingsDialogTest, DelayUsesTheUsersDecimalSeparator)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    platform.settings.set(u"scan"_s, u"7,5"_s);
    open();
    click(u"applyButton"_s);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(platform.settings.value(u"scan"_s), u"7,5");
    control<UpDownArrows>(u"scanDelayArrows"_s)->upButton()->click();
    EXPECT_EQ(box(u"scanDelayEdit"_s)->text(), u"8,5");
    QLocale::setDefault(before);
}

// ---- The spinner ----------------------------------------------------------

TEST_F(SettingsDialogTest, SpinnerWrapsAroundAndWritesNothing)
{
    struct Case {
        QString before;
        bool up;
        QString after;
    };
    const Case cases[] = {
        {u"20"_s, true, u"21"_s}, {u"20"_s, false, u"19"_s}, {u"60"_s, true, u"5"_s},
        {u"5"_s, false, u"60"_s}, {u"ab"_s, true, u"5"_s},   {u"ab"_s, false, u"60"_s},
    };
    open();
    auto *arrows = control<UpDownArrows>(u"scanDelayArrows"_s);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.before.toStdString() + (c.up ? " up" : " down"));
        box(u"scanDelayEdit"_s)->setText(c.before);
        (c.up ? arrows->upButton() : arrows->downButton())->click();
        EXPECT_EQ(box(u"scanDelayEdit"_s)->text(), c.after);
    }
    EXPECT_FALSE(platform.settings.has(u"scan"_s));
}

TEST_F(SettingsDialogTest, SpinnerAnswersTheArrowKeys)
{
    open();
    auto *arrows = control<UpDownArrows>(u"scanDelayArrows"_s);
    QTest::keyClick(arrows, Qt::Key_Up);
    EXPECT_EQ(box(u"scanDelayEdit"_s)->text(), u"21");
    QTest::keyClick(arrows, Qt::Key_Down);
    QTest::keyClick(arrows, Qt::Key_Down);
    EXPECT_EQ(box(u"scanDelayEdit"_s)->text(), u"19");
}

// ---- Apply: zones and switches ------------------------------------------

TEST_F(SettingsDialogTest, OnlyJerusalemCheckedIsStoredWithoutMessage)
{
    open();
    dialog->show();
    for (const QString &key : kZoneKeys)
        setChecked(key + u"ZoneCheck"_s, key == u"jer");
    click(u"applyButton"_s);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(dialog->isVisible()) << "Apply leaves the dialog open";
    for (const QString &key : kZoneKeys)
        EXPECT_EQ(platform.settings.value(key), key == u"jer" ? u"1" : u"0") << key.toStdString();
}

TEST_F(SettingsDialogTest, NoZoneCheckedTurnsTheUnitedKingdomOnInBoxAndStore)
{
    platform.settings.set(u"tz1"_s, u"Home"_s);
    open();
    for (const QString &key : kZoneKeys)
        setChecked(key + u"ZoneCheck"_s, false);
    dialog->show();

    click(u"okButton"_s);

    ASSERT_EQ(messages.shown.size(), 1u) << "a custom zone does not count";
    EXPECT_EQ(messages.shown[0].text, kNoZoneError);
    EXPECT_EQ(messages.shown[0].title, u"Error!");
    EXPECT_EQ(messages.shown[0].icon, Icon::Information);
    EXPECT_TRUE(checked(u"ukZoneCheck"_s));
    for (const QString &key : kZoneKeys)
        EXPECT_EQ(platform.settings.value(key), key == u"uk" ? u"1" : u"0") << key.toStdString();
    EXPECT_FALSE(dialog->isVisible()) << "OK closes after the message";
}

TEST_F(SettingsDialogTest, LoadsEachSwitchOnlyForItsExactTextAndAppliesItBack)
{
    struct Case {
        QString key;
        QString box;
        std::optional<QString> stored;
        bool checked;
        QString on;
        QString off;
    };
    const QString t = u"True"_s, f = u"False"_s;
    const Case cases[] = {
        {u"ontop"_s, u"alwaysOnTopCheck"_s, std::nullopt, false, t, f},
        {u"ontop"_s, u"alwaysOnTopCheck"_s, u"True"_s, true, t, f},
        {u"ontop"_s, u"alwaysOnTopCheck"_s, u"true"_s, false, t, f},
        {u"24hr"_s, u"twentyFourHourCheck"_s, std::nullopt, false, t, f},
        {u"24hr"_s, u"twentyFourHourCheck"_s, u"True"_s, true, t, f},
        {u"sync"_s, u"timeSyncCheck"_s, std::nullopt, true, t, f},
        {u"sync"_s, u"timeSyncCheck"_s, u"TRUE"_s, false, t, f},
        {u"dst"_s, u"daylightSavingCheck"_s, std::nullopt, true, t, f},
        {u"dst"_s, u"daylightSavingCheck"_s, u"true"_s, false, t, f},
        {u"graphic"_s, u"sceneryCheck"_s, std::nullopt, true, t, f},
        {u"graphic"_s, u"sceneryCheck"_s, u"False"_s, false, t, f},
        {u"exact"_s, u"exactZonesCheck"_s, std::nullopt, true, t, f},
        {u"exact"_s, u"exactZonesCheck"_s, u"True"_s, true, t, f},
        {u"exact"_s, u"exactZonesCheck"_s, u"False"_s, false, t, f},
        {u"exact"_s, u"exactZonesCheck"_s, u"true"_s, false, t, f},
        {u"uk"_s, u"ukZoneCheck"_s, std::nullopt, true, u"1"_s, u"0"_s},
        {u"auc"_s, u"aucZoneCheck"_s, u"0"_s, false, u"1"_s, u"0"_s},
        {u"ariz"_s, u"arizZoneCheck"_s, u"01"_s, false, u"1"_s, u"0"_s},
        {u"haw"_s, u"hawZoneCheck"_s, u"1"_s, true, u"1"_s, u"0"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key.toStdString() + " = " + c.stored.value_or(u"<missing>"_s).toStdString());
        platform.settings = MemorySettingsStore();
        if (c.stored)
            platform.settings.set(c.key, *c.stored);
        open();
        EXPECT_EQ(checked(c.box), c.checked);
        click(u"applyButton"_s);
        EXPECT_EQ(platform.settings.value(c.key), c.checked ? c.on : c.off);
    }
}

TEST_F(SettingsDialogTest, ApplyCallsOntopAndShowsTheDayPictureWhenScenesAreOff)
{
    struct Case {
        bool graphics;
        bool dst;
        int dayPictures;
    };
    const Case cases[] = {{true, true, 0}, {false, true, 1}, {true, false, 1}, {false, false, 2}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "graphics " << c.graphics << ", dst " << c.dst);
        open();
        mainWindow.calls.clear();
        setChecked(u"sceneryCheck"_s, c.graphics);
        setChecked(u"daylightSavingCheck"_s, c.dst);
        click(u"applyButton"_s);
        QStringList expected = {u"ontop"_s};
        for (int i = 0; i < c.dayPictures; ++i)
            expected << u"picture /opt/horalux/day.bmp"_s;
        EXPECT_EQ(mainWindow.calls, expected);
    }
}

TEST_F(SettingsDialogTest, OntopIsStoredBeforeTheMainWindowAppliesIt)
{
    open();
    setChecked(u"alwaysOnTopCheck"_s, true);
    QString storedWhenCalled;
    mainWindow.duringOntop = [&] { storedWhenCalled = platform.settings.value(u"ontop"_s); };
    click(u"applyButton"_s);
    EXPECT_EQ(storedWhenCalled, u"True");
}

// ---- Apply and OK: saved, or told why not -------------------------------

// What the file keeps is spelled as the key table has it, on a new file too.
TEST_F(SettingsDialogTest, ApplyWritesEveryKeyWithItsOwnSpelling)
{
    open();
    type(u"customName1Edit"_s, u"P"_s);
    type(u"customOffset1Edit"_s, u"+1"_s);
    type(u"customName2Edit"_s, u"Q"_s);
    type(u"customOffset2Edit"_s, u"-2"_s);
    click(u"applyButton"_s);

    QStringList expected =
        kZoneKeys + QStringList {u"tz1"_s,   u"diff1"_s, u"tz2"_s,     u"diff2"_s, u"scan"_s, u"24hr"_s,
                                 u"ontop"_s, u"sync"_s,  u"graphic"_s, u"dst"_s,   u"exact"_s};
    expected.sort();
    EXPECT_EQ(platform.settings.keysAsWritten(), expected);
}

TEST_F(SettingsDialogTest, ASaveThatFailedIsToldAndOkKeepsTheDialogOpen)
{
    const std::pair<const char *, std::function<void(const QString &)>> faults[] = {
        {"settings file", [this](const QString &why) { platform.settings.flushProblem = why; }},
        {"autostart entry", [this](const QString &why) { platform.autostart.failure = why; }},
    };
    const QString why = u"The settings could not be saved to /x/Horalux.ini: the disk is full."_s;
    for (const auto &[where, fail] : faults) {
        for (const QString &pressed : {u"applyButton"_s, u"okButton"_s}) {
            SCOPED_TRACE(where + (u" / "_s + pressed).toStdString());
            messages.shown.clear();
            open();
            dialog->show();
            fail(why);
            click(pressed);

            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_TRUE(messages.shown[0].text.contains(why)) << messages.shown[0].text.toStdString();
            EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
            EXPECT_TRUE(dialog->isVisible());

            fail(QString());
            click(u"okButton"_s);
            EXPECT_EQ(messages.shown.size(), 1u);
            EXPECT_FALSE(dialog->isVisible()) << "saved at last, OK closes";
        }
    }
}

// ---- Start with the desktop ---------------------------------------------

TEST_F(SettingsDialogTest, ApplySwitchesStartingWithTheDesktopOnOrOff)
{
    open();
    setChecked(u"startWithDesktopCheck"_s, true);
    click(u"applyButton"_s);
    EXPECT_EQ(platform.autostart.enabled, true);
    setChecked(u"startWithDesktopCheck"_s, false);
    click(u"applyButton"_s);
    EXPECT_EQ(platform.autostart.enabled, false);
}

TEST_F(SettingsDialogTest, TheTickShowsWhetherTheClockStartsWithTheDesktop)
{
    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled);
        platform.autostart.enabled = enabled;
        open();
        EXPECT_EQ(checked(u"startWithDesktopCheck"_s), enabled);
    }
}

// ---- Custom zones ---------------------------------------------------------

TEST_F(SettingsDialogTest, TypingANameWritesAtOnceAndCancelKeepsIt)
{
    open();
    type(u"customName1Edit"_s, u"P"_s);
    EXPECT_EQ(box(u"customName1Edit"_s)->text(), u"P") << "the focus selected the placeholder";
    EXPECT_EQ(platform.settings.value(u"tz1"_s), u"P");
    EXPECT_EQ(platform.settings.value(u"diff1"_s), u"0");
    EXPECT_TRUE(mainWindow.entryVisible[1]);
    EXPECT_EQ(mainWindow.entryCaption[1], u"P");

    type(u"customOffset1Edit"_s, u"-7"_s);
    EXPECT_EQ(platform.settings.value(u"diff1"_s), u"-7");

    click(u"cancelButton"_s);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(platform.settings.value(u"tz1"_s), u"P");
    EXPECT_EQ(platform.settings.value(u"diff1"_s), u"-7");
    EXPECT_FALSE(platform.settings.has(u"scan"_s)) << "Cancel writes nothing else";
    EXPECT_FALSE(platform.settings.has(u"uk"_s));
    EXPECT_EQ(platform.autostart.stores, 0);
}

TEST_F(SettingsDialogTest, APlaceChosenFromTheDatabaseKeepsItsZoneUntilTheUserTypes)
{
    const struct {
        QString typed;
        QString offered;
        QString zoneId;
        QString name;
        QString offset;
        QString typedAfter; // into the box below, which then forgets the id
        QString box;
    } cases[] = {
        {u"Kathm"_s, u"Kathmandu"_s, u"Asia/Kathmandu"_s, u"Kathmandu"_s, u"5.75"_s, u"P"_s, u"customName1Edit"_s},
        {u"asia/kolk"_s, u"Asia/Kolkata"_s, u"Asia/Kolkata"_s, u"Kolkata"_s, u"5.5"_s, u"6"_s, u"customOffset1Edit"_s},
        {u"Chath"_s, u"Chatham"_s, u"Pacific/Chatham"_s, u"Chatham"_s, offsetNow("Pacific/Chatham"), u"P"_s,
         u"customName1Edit"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        open();
        type(u"customName1Edit"_s, c.typed);
        QCompleter *completer = box(u"customName1Edit"_s)->completer();
        ASSERT_TRUE(completer);
        EXPECT_EQ(completer->currentCompletion(), c.offered);
        emit completer->activated(completer->currentCompletion());
        QCoreApplication::processEvents();
        EXPECT_EQ(platform.settings.value(u"zone1"_s), c.zoneId);
        EXPECT_EQ(platform.settings.value(u"tz1"_s), c.name);
        EXPECT_EQ(platform.settings.value(u"diff1"_s), c.offset);
        EXPECT_EQ(box(u"customName1Edit"_s)->text(), c.name);
        EXPECT_EQ(box(u"customOffset1Edit"_s)->text(), c.offset);

        open();
        EXPECT_EQ(platform.settings.value(u"zone1"_s), c.zoneId) << "loading the boxes is no typing";
        type(c.box, c.typedAfter);
        EXPECT_FALSE(platform.settings.has(u"zone1"_s));
        EXPECT_FALSE(platform.settings.has(u"zone2"_s));
    }
}

TEST_F(SettingsDialogTest, ANameTypedInFullIsBoundToItsPlaceAsAPickIs)
{
    const struct {
        QString typed;
        const char *zoneId; // nullptr: no place
        QString name;
        bool byApply; // else by leaving the box
    } cases[] = {
        {u"KATHMANDU"_s, "Asia/Kathmandu", u"Kathmandu"_s, false},
        {u"São Paulo"_s, "America/Sao_Paulo", u"Sao Paulo"_s, true},
        {u"St. John's"_s, "America/St_Johns", u"St Johns"_s, false},
        {u"new york"_s, "America/New_York", u"New York"_s, true},
        {u"america/new_york"_s, "America/New_York", u"New York"_s, false},
        // New York keeps summer from March, Sydney from October: one of them
        // tells the difference now from the standard one all year.
        {u" sydney "_s, "Australia/Sydney", u"Sydney"_s, false},
        {u"Atlantis"_s, nullptr, u"Atlantis"_s, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        platform.settings = MemorySettingsStore();
        platform.settings.set(u"tz1"_s, u"Sao Paulo"_s);
        platform.settings.set(u"diff1"_s, u"-3"_s);
        platform.settings.set(u"zone1"_s, u"America/Sao_Paulo"_s);
        open();
        type(u"customName1Edit"_s, c.typed);
        if (c.byApply)
            click(u"applyButton"_s);
        else
            box(u"customOffset1Edit"_s)->setFocus(Qt::TabFocusReason);

        const QLabel *note = control<QLabel>(u"customPlace1Note"_s);
        EXPECT_EQ(platform.settings.value(u"tz1"_s), c.name);
        if (c.zoneId) {
            EXPECT_EQ(platform.settings.value(u"zone1"_s), QLatin1String(c.zoneId));
            EXPECT_EQ(platform.settings.value(u"diff1"_s), offsetNow(c.zoneId));
            EXPECT_EQ(box(u"customOffset1Edit"_s)->text(), offsetNow(c.zoneId));
            EXPECT_TRUE(note->isHidden());
        } else {
            EXPECT_FALSE(platform.settings.has(u"zone1"_s));
            EXPECT_EQ(platform.settings.value(u"diff1"_s), u"-3") << "the typed offset stays";
            EXPECT_FALSE(note->isHidden());
            EXPECT_TRUE(note->text().contains(u"GMT\u22123"_s)) << note->text().toStdString();
            EXPECT_EQ(box(u"customName1Edit"_s)->accessibleDescription(), note->text()) << "read with the box";
        }
    }
}

TEST_F(SettingsDialogTest, ABoundPlaceShowsItsDifferenceNowWhenTheDialogOpens)
{
    for (const char *zoneId : {"Australia/Sydney", "America/New_York"}) {
        SCOPED_TRACE(zoneId);
        platform.settings.set(u"tz1"_s, u"Somewhere"_s);
        platform.settings.set(u"diff1"_s, u"0"_s);
        platform.settings.set(u"zone1"_s, QLatin1String(zoneId));
        open();
        EXPECT_EQ(box(u"customOffset1Edit"_s)->text(), offsetNow(zoneId));
        EXPECT_EQ(platform.settings.value(u"diff1"_s), offsetNow(zoneId)) << "the fixed clock reads it";
        EXPECT_EQ(platform.settings.value(u"zone1"_s), QLatin1String(zoneId));
    }
}

// Going through the suggestions with the arrows or the mouse writes each one
// into the box; leaving the list without Enter or a click stored the name
// with the offset of the place before.
TEST_F(SettingsDialogTest, ASuggestionLeftInTheBoxWithoutAPickIsBoundWhenTheBoxIsLeft)
{
    platform.settings.set(u"tz2"_s, u"Kolkata"_s);
    platform.settings.set(u"diff2"_s, u"5.5"_s);
    platform.settings.set(u"zone2"_s, u"Asia/Kolkata"_s);
    open();
    type(u"customName2Edit"_s, u"New Yo"_s);
    QCompleter *completer = box(u"customName2Edit"_s)->completer();
    emit completer->highlighted(u"New York"_s);
    EXPECT_EQ(box(u"customName2Edit"_s)->text(), u"New York");
    box(u"customOffset2Edit"_s)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(platform.settings.value(u"zone2"_s), u"America/New_York");
    EXPECT_EQ(platform.settings.value(u"diff2"_s), offsetNow("America/New_York"));
}

TEST_F(SettingsDialogTest, SecondZoneHasItsOwnKeysAndMenuEntry)
{
    open();
    type(u"customName2Edit"_s, u"Q"_s);
    type(u"customOffset2Edit"_s, u"+9"_s);
    EXPECT_EQ(platform.settings.value(u"tz2"_s), u"Q");
    EXPECT_EQ(platform.settings.value(u"diff2"_s), u"+9");
    EXPECT_FALSE(platform.settings.has(u"tz1"_s));
    EXPECT_FALSE(platform.settings.has(u"diff1"_s));
    EXPECT_EQ(mainWindow.entryCaption[2], u"Q");
    EXPECT_TRUE(mainWindow.entryVisible[2]);
    EXPECT_FALSE(mainWindow.entryVisible[1]);
}

TEST_F(SettingsDialogTest, EmptyingANameHidesItsMenuEntry)
{
    open();
    type(u"customName1Edit"_s, u"P"_s);
    QTest::keyClick(box(u"customName1Edit"_s), Qt::Key_Backspace);
    EXPECT_EQ(platform.settings.value(u"tz1"_s), u"");
    EXPECT_FALSE(mainWindow.entryVisible[1]);
}

TEST_F(SettingsDialogTest, ResetForgetsTheZoneWhetherStoredOrNot)
{
    const std::optional<std::pair<QString, QString>> cases[] = {std::nullopt, std::pair(u"Home"_s, u"+3"_s)};
    for (const auto &stored : cases) {
        SCOPED_TRACE(stored ? "stored" : "nothing stored");
        platform.settings = MemorySettingsStore();
        if (stored) {
            platform.settings.set(u"tz1"_s, stored->first);
            platform.settings.set(u"diff1"_s, stored->second);
            platform.settings.set(u"zone1"_s, u"Europe/Istanbul"_s);
        }
        open();
        mainWindow.calls.clear();
        click(u"resetCustom1Button"_s);
        EXPECT_FALSE(platform.settings.has(u"tz1"_s));
        EXPECT_FALSE(platform.settings.has(u"diff1"_s));
        EXPECT_FALSE(platform.settings.has(u"zone1"_s)) << "the box no longer shows it, the file must not keep it";
        EXPECT_FALSE(mainWindow.entryVisible[1]);
        ASSERT_FALSE(mainWindow.calls.isEmpty());
        EXPECT_EQ(mainWindow.calls.last(), u"visible 1 0");
        EXPECT_EQ(box(u"customName1Edit"_s)->text(), kPlaceholder);
        EXPECT_EQ(box(u"customOffset1Edit"_s)->text(), u"0");
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST_F(SettingsDialogTest, LoadingAStoredNameWritesItsOffsetBack)
{
    struct Case {
        std::optional<QString> name;
        std::optional<QString> offset;
        QString nameBox;
        QString offsetBox;
        std::optional<QString> storedOffset;
        bool entryShown;
    };
    const Case cases[] = {
        {u"Home"_s, std::nullopt, u"Home"_s, u"0"_s, u"0"_s, true},
        {u"Home"_s, u"+3"_s, u"Home"_s, u"+3"_s, u"+3"_s, true},
        {u""_s, u"+3"_s, kPlaceholder, u"+3"_s, u"+3"_s, false},
        {std::nullopt, std::nullopt, kPlaceholder, u"0"_s, std::nullopt, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.value_or(u"<missing>"_s).toStdString() + " / "
                     + c.offset.value_or(u"<missing>"_s).toStdString());
        platform.settings = MemorySettingsStore();
        mainWindow = FakeMainWindowLink();
        if (c.name)
            platform.settings.set(u"tz1"_s, *c.name);
        if (c.offset)
            platform.settings.set(u"diff1"_s, *c.offset);
        open();
        EXPECT_EQ(box(u"customName1Edit"_s)->text(), c.nameBox);
        EXPECT_EQ(box(u"customOffset1Edit"_s)->text(), c.offsetBox);
        EXPECT_EQ(platform.settings.has(u"diff1"_s) ? std::optional(platform.settings.value(u"diff1"_s)) : std::nullopt,
                  c.storedOffset);
        EXPECT_EQ(mainWindow.entryVisible[1], c.entryShown);
        EXPECT_EQ(mainWindow.entryCaption[1], c.entryShown ? *c.name : QString());
    }
}

TEST_F(SettingsDialogTest, EnteringACustomBoxSelectsItsWholeText)
{
    open();
    for (const QString &name :
         {u"customName1Edit"_s, u"customOffset1Edit"_s, u"customName2Edit"_s, u"customOffset2Edit"_s}) {
        SCOPED_TRACE(name.toStdString());
        QLineEdit *target = box(name);
        showOnItsTab(target);
        button(u"okButton"_s)->setFocus();
        target->deselect();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, target->height() / 2));
        QApplication::processEvents();
        EXPECT_TRUE(target->hasFocus());
        EXPECT_EQ(target->selectedText(), target->text()) << "after a click";
    }
}

// ---- About and the links ----------------------------------------------------

TEST_F(SettingsDialogTest, AboutShowsTheBuildsVersion)
{
    open();
    EXPECT_EQ(control<QLabel>(u"versionLabel"_s)->text(),
              u"This is version %1.%2.%3"_s.arg(horalux_version::Major)
                  .arg(horalux_version::Minor)
                  .arg(horalux_version::Revision));
}

TEST_F(SettingsDialogTest, LinksCallTheirHooksWhenSet)
{
    open();
    showOnItsTab(control(u"updateLink"_s));
    QTest::mouseClick(control(u"updateLink"_s), Qt::LeftButton);
    QTest::mouseClick(control(u"helpLink"_s), Qt::LeftButton); // no hooks yet: nothing happens
    QStringList clicked;
    dialog->onUpdateLinkClicked = [&] { clicked << u"update"_s; };
    dialog->onHelpLinkClicked = [&] { clicked << u"help"_s; };
    QTest::mouseClick(control(u"updateLink"_s), Qt::LeftButton);
    QTest::mouseClick(control(u"helpLink"_s), Qt::LeftButton);
    QTest::mouseClick(control(u"helpLink"_s), Qt::RightButton);
    EXPECT_EQ(clicked, (QStringList {u"update"_s, u"help"_s}));
}

// ---- Opening and closing ----------------------------------------------------

class SettingsDialogOpening : public DialogWorld {
protected:
    void deleteClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    SettingsDialogOpener opener {platform.services, messages, mainWindow};
};

TEST_F(SettingsDialogOpening, OneDialogAtATimeThatKeepsItsTabWhileOpen)
{
    SettingsDialog *about = opener.showAbout();
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->tabs()->currentIndex(), 2);
    EXPECT_EQ(opener.show(), about) << "brought forward, not created again";
    EXPECT_EQ(about->tabs()->currentIndex(), 2) << "Settings keeps the tab on show";
    about->tabs()->setCurrentIndex(1);
    EXPECT_EQ(opener.showAbout(), about);
    EXPECT_EQ(about->tabs()->currentIndex(), 2);
}

TEST_F(SettingsDialogOpening, EveryOpeningAfterACloseLoadsAfreshOnTheFirstTab)
{
    const QStringList closers = {u"cancelButton"_s, u"okButton"_s, u"close box"_s};
    for (const QString &closer : closers) {
        SCOPED_TRACE(closer.toStdString());
        SettingsDialog *first = opener.showAbout();
        if (closer == u"close box") {
            first->close();
        } else {
            auto *button = first->findChild<QAbstractButton *>(closer);
            ASSERT_NE(button, nullptr);
            button->click();
        }
        deleteClosed();
        EXPECT_EQ(opener.dialog(), nullptr);

        platform.settings.set(u"scan"_s, u"33"_s);
        SettingsDialog *second = opener.show();
        EXPECT_EQ(second->tabs()->currentIndex(), 0);
        const auto *scan = second->findChild<QLineEdit *>(u"scanDelayEdit"_s);
        ASSERT_NE(scan, nullptr);
        EXPECT_EQ(scan->text(), u"33");
        second->close();
        deleteClosed();
        platform.settings.set(u"scan"_s, u"20"_s);
    }
}

TEST_F(SettingsDialogOpening, ANewDialogOpensBesideTheClockOnItsScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint clockPlaces[] = {
        {13, 13}, {screen.right() - 190, 13}, {screen.center().x() - 90, screen.bottom() - 90}};
    for (const QPoint &place : clockPlaces) {
        QWidget clock(nullptr, Qt::FramelessWindowHint | Qt::Tool);
        clock.setGeometry(QRect(place, QSize(180, 80)));
        clock.show();
        // Where the window system says the clock stands.
        mainWindow.place = clock.geometry();
        SettingsDialogOpener beside {platform.services, messages, mainWindow, &clock};
        SettingsDialog *dialog = beside.show();
        const QRect frame = dialog->frameGeometry();
        EXPECT_TRUE(screen.contains(frame)) << place.x() << "," << place.y();
        EXPECT_FALSE(frame.intersects(clock.frameGeometry())) << place.x() << "," << place.y();

        clock.move(place + QPoint(5, 5));
        EXPECT_EQ(beside.show()->frameGeometry(), frame) << "an open dialog stays where the user left it";
    }
}

TEST_F(SettingsDialogOpening, HooksReachEveryDialogItOpens)
{
    int updates = 0;
    opener.onUpdateLinkClicked = [&] { ++updates; };
    SettingsDialog *dialog = opener.showAbout();
    QTest::mouseClick(dialog->findChild<QLabel *>(u"updateLink"_s), Qt::LeftButton);
    EXPECT_EQ(updates, 1);
}

} // namespace
