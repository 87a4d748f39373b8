// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_dialog_test_world.h"

#include "settingsdialog/settings_dialog_text_box.h"

#include <QClipboard>
#include <QTabBar>

using namespace settings_dialog_test;
using namespace Qt::StringLiterals;

namespace {

using SettingsDialogLayout = DialogWorld;

// ---- Typing limits ----------------------------------------------------------

TEST_F(SettingsDialogLayout, TypingStopsAtEachBoxsLimit)
{
    const std::pair<QString, int> limits[] = {
        {u"customName1Edit"_s, 30},  {u"customName2Edit"_s, 30}, {u"customOffset1Edit"_s, 5},
        {u"customOffset2Edit"_s, 5}, {u"scanDelayEdit"_s, 2},
    };
    open();
    for (const auto &[name, limit] : limits) {
        SCOPED_TRACE(name.toStdString());
        box(name)->clear();
        append(name, QString(limit + 3, u'7'));
        EXPECT_EQ(box(name)->text(), QString(limit, u'7'));

        box(name)->clear();
        QGuiApplication::clipboard()->setText(QString(limit + 3, u'8'));
        box(name)->paste();
        EXPECT_EQ(box(name)->text(), QString(limit, u'8')) << "a paste is cut to fit";
    }
}

TEST_F(SettingsDialogLayout, TextFromTheProgramIsNotCutButCannotGrow)
{
    const QString longName = u"A custom zone name of forty characters!!"_s;
    platform.settings.set(u"tz1"_s, longName);
    platform.settings.set(u"diff1"_s, u"+10.25"_s);
    platform.settings.set(u"scan"_s, u"120"_s);
    open();
    EXPECT_EQ(box(u"customName2Edit"_s)->text().size(), 39) << "the placeholder is longer than 30";
    EXPECT_EQ(box(u"customName1Edit"_s)->text(), longName);
    EXPECT_EQ(box(u"customOffset1Edit"_s)->text(), u"+10.25");
    EXPECT_EQ(box(u"scanDelayEdit"_s)->text(), u"120");

    append(u"customName1Edit"_s, u"x"_s);
    EXPECT_EQ(box(u"customName1Edit"_s)->text(), longName) << "typing cannot lengthen it";
    QTest::keyClick(box(u"customName1Edit"_s), Qt::Key_Backspace);
    EXPECT_EQ(box(u"customName1Edit"_s)->text(), longName.chopped(1)) << "but it can be shortened";
    EXPECT_EQ(platform.settings.value(u"tz1"_s), longName.chopped(1));
    QTest::keyClicks(box(u"customName1Edit"_s), u"y"_s);
    EXPECT_EQ(box(u"customName1Edit"_s)->text(), longName.chopped(1)) << "still over the limit";
    box(u"customName1Edit"_s)->selectAll();
    QTest::keyClicks(box(u"customName1Edit"_s), u"Z"_s);
    EXPECT_EQ(box(u"customName1Edit"_s)->text(), u"Z");

    box(u"scanDelayEdit"_s)->setText(u"60"_s);
    control<UpDownArrows>(u"scanDelayArrows"_s)->downButton()->click();
    control<UpDownArrows>(u"scanDelayArrows"_s)->downButton()->click();
    static_cast<LimitedTextBox *>(box(u"scanDelayEdit"_s))->setText(u"1234"_s);
    EXPECT_EQ(box(u"scanDelayEdit"_s)->text(), u"1234");
    control<UpDownArrows>(u"scanDelayArrows"_s)->downButton()->click();
    EXPECT_EQ(box(u"scanDelayEdit"_s)->text(), u"1233") << "the spinner's text is not cut";
}

// ---- Keyboard order -----------------------------------------------------------

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return u"<none>"_s;
    if (qobject_cast<QTabBar *>(focus))
        return focus->parentWidget()->objectName();
    return focus->objectName();
}

TEST_F(SettingsDialogLayout, TabKeyFollowsTheDesignedOrderOnEachPage)
{
    const QStringList zones = {
        u"abuZoneCheck"_s,  u"amstZoneCheck"_s,  u"bangZoneCheck"_s, u"beijZoneCheck"_s, u"brussZoneCheck"_s,
        u"brazZoneCheck"_s, u"brisZoneCheck"_s,  u"centZoneCheck"_s, u"eastZoneCheck"_s, u"finZoneCheck"_s,
        u"gerZoneCheck"_s,  u"islamZoneCheck"_s, u"jerZoneCheck"_s,  u"kuwZoneCheck"_s,  u"mosZoneCheck"_s,
        u"arizZoneCheck"_s, u"hawZoneCheck"_s,   u"pertZoneCheck"_s, u"seoZoneCheck"_s,  u"spaZoneCheck"_s,
        u"turkZoneCheck"_s, u"ukZoneCheck"_s,    u"vladZoneCheck"_s, u"aucZoneCheck"_s,
    };
    const QStringList buttons = {u"okButton"_s, u"applyButton"_s, u"cancelButton"_s, u"tabControl"_s};
    const QStringList pages[] = {
        zones + QStringList {u"customName1Edit"_s, u"customOffset1Edit"_s, u"customName2Edit"_s, u"customOffset2Edit"_s}
            + buttons + QStringList {u"resetCustom1Button"_s, u"resetCustom2Button"_s},
        QStringList {u"scanDelayArrows"_s, u"startWithDesktopCheck"_s, u"alwaysOnTopCheck"_s, u"twentyFourHourCheck"_s,
                     u"timeSyncCheck"_s, u"sceneryCheck"_s, u"daylightSavingCheck"_s, u"exactZonesCheck"_s}
            + buttons + QStringList {u"scanDelayEdit"_s},
        buttons + QStringList {u"helpLink"_s, u"updateLink"_s},
    };
    open();
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        dialog->tabs()->setCurrentIndex(page);
        const QStringList &expected = pages[page];
        control(expected.first() == u"tabControl" ? u"okButton"_s : expected.first())->setFocus(Qt::TabFocusReason);
        if (expected.first() == u"tabControl")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QStringList visited;
        for (int step = 0; step <= expected.size(); ++step) {
            visited << focusName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(visited, expected + QStringList {expected.first()});
    }
}

// ---- Places, captions and fonts -------------------------------------------------

TEST_F(SettingsDialogLayout, ControlsStandAtTheirDesignedPlaces)
{
    // Pixels from twips (15 to 1); page controls measured from the tab control.
    const std::pair<QString, QRect> places[] = {
        {u"tabControl"_s, {0, 0, 425, 393}},
        {u"okButton"_s, {216, 395, 65, 21}},
        {u"cancelButton"_s, {288, 395, 65, 21}},
        {u"applyButton"_s, {360, 395, 65, 21}},
        {u"abuZoneCheck"_s, {8, 72, 185, 17}},
        // The zone rows close up to leave the custom frame room for its notes.
        {u"aucZoneCheck"_s, {216, 259, 161, 17}},
        {u"customZonesGroup"_s, {8, 284, 409, 97}},
        {u"daylightSavingGroup"_s, {8, 256, 409, 89}},
        {u"aboutGroup"_s, {8, 24, 409, 185}},
    };
    open();
    dialog->show();
    for (const auto &[name, place] : places) {
        QWidget *widget = control(name);
        dialog->tabs()->setCurrentIndex(0);
        for (int page = 0; page < 3; ++page) {
            if (dialog->tabs()->widget(page)->isAncestorOf(widget))
                dialog->tabs()->setCurrentIndex(page);
        }
        QApplication::processEvents();
        QWidget *container =
            widget->parentWidget() == dialog.get() ? dialog.get() : static_cast<QWidget *>(dialog->tabs());
        EXPECT_EQ(QRect(widget->mapTo(container, QPoint(0, 0)), widget->size()), place) << name.toStdString();
    }
    EXPECT_EQ(dialog->size(), QSize(426, 424));
    EXPECT_GE(dialog->height() - control(u"okButton"_s)->geometry().bottom() - 1, 6)
        << "the buttons stand clear of the window's lower edge";
    EXPECT_EQ(control(u"customOffset2Edit"_s)->geometry(), QRect(296, 58, 41, 18)) << "inside its frame";
    EXPECT_EQ(control(u"scanDelayArrows"_s)->geometry(), QRect(56, 22, 13, 21));
}

TEST_F(SettingsDialogLayout, FontsStandInForTheDesignedOnes)
{
    open();
    EXPECT_EQ(dialog->font().family(), u"Liberation Sans");
    EXPECT_DOUBLE_EQ(dialog->font().pointSizeF(), 8.25);
    for (const QString &name :
         {u"customName1Edit"_s, u"customOffset2Edit"_s, u"customOffset1Label"_s, u"customOffset2Label"_s}) {
        EXPECT_EQ(control(name)->font().family(), u"Liberation Sans Narrow") << name.toStdString();
        EXPECT_DOUBLE_EQ(control(name)->font().pointSizeF(), 8.25);
    }
    EXPECT_EQ(control(u"scanDelayEdit"_s)->font().family(), u"Liberation Sans");
    EXPECT_EQ(QFontInfo(control(u"customOffset1Label"_s)->font()).family(), u"Liberation Sans Narrow")
        << "the narrow face is installed and found";
}

TEST_F(SettingsDialogLayout, BoxesStartUncheckedAndLoadingOnlyChecks)
{
    platform.settings.set(u"uk"_s, u"0"_s);
    platform.settings.set(u"sync"_s, u"False"_s);
    open();
    EXPECT_FALSE(dialog->isModal());
    EXPECT_FALSE(checked(u"ukZoneCheck"_s));
    EXPECT_FALSE(checked(u"timeSyncCheck"_s));
    EXPECT_TRUE(checked(u"jerZoneCheck"_s));
}

} // namespace
