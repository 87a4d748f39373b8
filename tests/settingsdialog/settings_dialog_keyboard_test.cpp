// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_dialog_test_world.h"

#include <QImage>

// The dialog's keys as a desktop user expects them: Enter presses the focused
// button or link and nothing else, Esc is Cancel, a focused button or link
// shows it.

using namespace settings_dialog_test;
using namespace Qt::StringLiterals;

namespace {

using SettingsDialogKeyboard = DialogWorld;

struct KeyCase {
    const char *focus;
    Qt::Key key;
    bool applies;
    bool closes;
    bool followsLink;
};

TEST_F(SettingsDialogKeyboard, EnterPressesOnlyTheFocusedButtonAndEscCancels)
{
    const KeyCase cases[] = {
        {"applyButton", Qt::Key_Return, true, false, false},
        {"okButton", Qt::Key_Enter, true, true, false},
        {"cancelButton", Qt::Key_Return, false, true, false},
        {"ukZoneCheck", Qt::Key_Return, false, false, false},
        {"scanDelayEdit", Qt::Key_Return, false, false, false},
        {"customName1Edit", Qt::Key_Enter, false, false, false},
        {"alwaysOnTopCheck", Qt::Key_Escape, false, true, false},
        {"applyButton", Qt::Key_Escape, false, true, false},
        {"helpLink", Qt::Key_Return, false, false, true},
        {"updateLink", Qt::Key_Enter, false, false, true},
        {"helpLink", Qt::Key_Space, false, false, true},
        {"updateLink", Qt::Key_Escape, false, true, false},
    };
    for (const KeyCase &c : cases) {
        SCOPED_TRACE(std::string(c.focus) + " key " + std::to_string(c.key));
        platform.settings.DeleteSetting(u"Horalux"_s, u"data"_s, u"ontop"_s);
        open();
        int follows = 0;
        dialog->onHelpLinkClicked = [&] { ++follows; };
        dialog->onUpdateLinkClicked = [&] { ++follows; };
        QWidget *target = control(QString::fromLatin1(c.focus));
        showOnItsTab(target);
        target->setFocus(Qt::TabFocusReason);
        const bool ukBefore = checked(u"ukZoneCheck"_s);

        QTest::keyClick(target, c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);

        EXPECT_EQ(platform.settings.has(u"ontop"_s), c.applies);
        EXPECT_EQ(dialog->isVisible(), !c.closes);
        EXPECT_EQ(follows, c.followsLink ? 1 : 0);
        EXPECT_EQ(checked(u"ukZoneCheck"_s), ukBefore) << "Enter is no space bar";
    }
}

TEST_F(SettingsDialogKeyboard, EnterOnAResetButtonResetsItsZone)
{
    platform.settings.set(u"tz1"_s, u"Home"_s);
    open();
    QWidget *reset = control(u"resetCustom1Button"_s);
    showOnItsTab(reset);
    reset->setFocus(Qt::TabFocusReason);
    QTest::keyClick(reset, Qt::Key_Return);
    EXPECT_FALSE(platform.settings.has(u"tz1"_s));
    EXPECT_EQ(box(u"customName1Edit"_s)->text(), u"Enter the name of the time zone in here");
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(SettingsDialogKeyboard, AFocusedButtonShowsAFocusMark)
{
    open();
    for (const QString &name : {u"okButton"_s, u"cancelButton"_s, u"applyButton"_s, u"resetCustom2Button"_s,
                                u"helpLink"_s, u"updateLink"_s, u"scanDelayArrows"_s}) {
        SCOPED_TRACE(name.toStdString());
        QWidget *button = control(name);
        showOnItsTab(button);
        control(u"customName1Edit"_s)->setFocus(Qt::TabFocusReason);
        // With what stands around it: a mark may be drawn there.
        QWidget *shown = button->parentWidget();
        const QImage plain = shown->grab().toImage();
        // Reached by the keyboard, as the mark is meant for.
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        ASSERT_TRUE(button->hasFocus());
        EXPECT_NE(shown->grab().toImage(), plain);
    }
}

} // namespace
