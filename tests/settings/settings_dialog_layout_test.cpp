// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_dialog_test_world.h"

#include "settings/settings_dialog_text_box.h"

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
        {u"txt_tz1"_s, 30}, {u"txt_tz2"_s, 30}, {u"txt_diff1"_s, 5}, {u"txt_diff2"_s, 5}, {u"txt_scan"_s, 2},
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
    EXPECT_EQ(box(u"txt_tz2"_s)->text().size(), 39) << "the placeholder is longer than 30";
    EXPECT_EQ(box(u"txt_tz1"_s)->text(), longName);
    EXPECT_EQ(box(u"txt_diff1"_s)->text(), u"+10.25");
    EXPECT_EQ(box(u"txt_scan"_s)->text(), u"120");

    append(u"txt_tz1"_s, u"x"_s);
    EXPECT_EQ(box(u"txt_tz1"_s)->text(), longName) << "typing cannot lengthen it";
    QTest::keyClick(box(u"txt_tz1"_s), Qt::Key_Backspace);
    EXPECT_EQ(box(u"txt_tz1"_s)->text(), longName.chopped(1)) << "but it can be shortened";
    EXPECT_EQ(platform.settings.value(u"tz1"_s), longName.chopped(1));
    QTest::keyClicks(box(u"txt_tz1"_s), u"y"_s);
    EXPECT_EQ(box(u"txt_tz1"_s)->text(), longName.chopped(1)) << "still over the limit";
    box(u"txt_tz1"_s)->selectAll();
    QTest::keyClicks(box(u"txt_tz1"_s), u"Z"_s);
    EXPECT_EQ(box(u"txt_tz1"_s)->text(), u"Z");

    box(u"txt_scan"_s)->setText(u"60"_s);
    control<UpDownArrows>(u"UpDown1"_s)->downButton()->click();
    control<UpDownArrows>(u"UpDown1"_s)->downButton()->click();
    static_cast<LimitedTextBox *>(box(u"txt_scan"_s))->setText(u"1234"_s);
    EXPECT_EQ(box(u"txt_scan"_s)->text(), u"1234");
    control<UpDownArrows>(u"UpDown1"_s)->downButton()->click();
    EXPECT_EQ(box(u"txt_scan"_s)->text(), u"1233") << "the spinner's text is not cut";
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
        u"chk_abu"_s,  u"chk_amst"_s, u"chk_bang"_s, u"chk_beij"_s, u"chk_bruss"_s, u"chk_braz"_s,
        u"chk_bris"_s, u"chk_cent"_s, u"chk_east"_s, u"chk_fin"_s,  u"chk_ger"_s,   u"chk_islam"_s,
        u"chk_jer"_s,  u"chk_kuw"_s,  u"chk_mos"_s,  u"chk_ariz"_s, u"chk_haw"_s,   u"chk_pert"_s,
        u"chk_seo"_s,  u"chk_spa"_s,  u"chk_turk"_s, u"chk_uk"_s,   u"chk_vlad"_s,  u"chk_auc"_s,
    };
    const QStringList buttons = {u"com_ok"_s, u"com_apply"_s, u"com_cancel"_s, u"SSTab1"_s};
    const QStringList pages[] = {
        zones + QStringList {u"txt_tz1"_s, u"txt_diff1"_s, u"txt_tz2"_s, u"txt_diff2"_s} + buttons
            + QStringList {u"Command1"_s, u"Command2"_s},
        QStringList {u"UpDown1"_s, u"chk_lww"_s, u"chk_ontop"_s, u"chk_24hr"_s, u"chk_sync"_s, u"chk_effects"_s,
                     u"chk_dst"_s, u"chk_exact"_s}
            + buttons + QStringList {u"txt_scan"_s},
        buttons,
    };
    open();
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        dialog->tabs()->setCurrentIndex(page);
        const QStringList &expected = pages[page];
        control(expected.first() == u"SSTab1" ? u"com_ok"_s : expected.first())->setFocus(Qt::TabFocusReason);
        if (expected.first() == u"SSTab1")
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
        {u"SSTab1"_s, {0, 0, 425, 393}},
        {u"com_ok"_s, {216, 395, 65, 21}},
        {u"com_cancel"_s, {288, 395, 65, 21}},
        {u"com_apply"_s, {360, 395, 65, 21}},
        {u"chk_abu"_s, {8, 72, 185, 17}},
        // The zone rows and the custom frame fill the height the exact row added.
        {u"chk_auc"_s, {216, 270, 161, 17}},
        {u"Frame6"_s, {8, 296, 409, 85}},
        {u"Frame5"_s, {8, 256, 409, 89}},
        {u"Frame7"_s, {8, 24, 409, 185}},
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
    EXPECT_GE(dialog->height() - control(u"com_ok"_s)->geometry().bottom() - 1, 6)
        << "the buttons stand clear of the window's lower edge";
    EXPECT_EQ(control(u"txt_diff2"_s)->geometry(), QRect(296, 54, 41, 18)) << "inside its frame";
    EXPECT_EQ(control(u"UpDown1"_s)->geometry(), QRect(56, 22, 13, 21));
}

TEST_F(SettingsDialogLayout, FontsStandInForTheDesignedOnes)
{
    open();
    EXPECT_EQ(dialog->font().family(), u"Liberation Sans");
    EXPECT_DOUBLE_EQ(dialog->font().pointSizeF(), 8.25);
    for (const QString &name : {u"txt_tz1"_s, u"txt_diff2"_s, u"Label3"_s, u"Label4"_s}) {
        EXPECT_EQ(control(name)->font().family(), u"Liberation Sans Narrow") << name.toStdString();
        EXPECT_DOUBLE_EQ(control(name)->font().pointSizeF(), 8.25);
    }
    EXPECT_EQ(control(u"txt_scan"_s)->font().family(), u"Liberation Sans");
    EXPECT_EQ(QFontInfo(control(u"Label3"_s)->font()).family(), u"Liberation Sans Narrow")
        << "the narrow face is installed and found";
}

TEST_F(SettingsDialogLayout, BoxesStartUncheckedAndLoadingOnlyChecks)
{
    platform.settings.set(u"uk"_s, u"0"_s);
    platform.settings.set(u"sync"_s, u"False"_s);
    open();
    EXPECT_FALSE(dialog->isModal());
    EXPECT_FALSE(checked(u"chk_uk"_s));
    EXPECT_FALSE(checked(u"chk_sync"_s));
    EXPECT_TRUE(checked(u"chk_jer"_s));
}

} // namespace
