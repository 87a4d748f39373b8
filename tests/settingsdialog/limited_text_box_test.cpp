// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/settings_dialog_text_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The program's text reaches the box through whatever pointer the caller
// holds; only the user's own edits are held to the limit.
TEST(LimitedTextBox, TheProgramsTextIsKeptWholeThroughAnyPointer)
{
    LimitedTextBox box(5);
    QLineEdit *asLineEdit = &box;
    asLineEdit->setText(u"+10.25:00"_s);
    EXPECT_EQ(box.text(), u"+10.25:00");

    box.setFocus();
    QTest::keyClicks(&box, u"9"_s);
    EXPECT_EQ(box.text(), u"+10.25:00") << "a whole text cannot grow";
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, u"77"_s);
    EXPECT_EQ(box.text(), u"+10.25:0") << "once shortened, it cannot grow back by typing";
    box.undo();
    EXPECT_EQ(box.text(), u"+10.25:00") << "undo brings back the program's text";

    asLineEdit->setText(QString());
    QGuiApplication::clipboard()->setText(u"123456789"_s);
    box.paste();
    EXPECT_EQ(box.text(), u"12345") << "after the program emptied it, a paste is cut to fit";
    asLineEdit->setText(u"a much longer text"_s);
    EXPECT_EQ(box.text(), u"a much longer text");
}

} // namespace
