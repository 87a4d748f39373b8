// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/dialog_placement.h"

#include <gtest/gtest.h>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QPoint &point, std::ostream *os)
{
    *os << '(' << point.x() << ", " << point.y() << ')';
}
QT_END_NAMESPACE

namespace {

const QSize kDialog(426, 450);

struct Case {
    const char *what;
    QRect screen;
    QRect window;
    QPoint expected;
};

TEST(DialogPlacement, BesideTheWindowWhollyOnItsScreen)
{
    const Case cases[] = {
        {"room on the right", {0, 0, 1024, 768}, {13, 13, 180, 80}, {201, 13}},
        {"at the right edge: the left", {0, 0, 1024, 768}, {840, 100, 180, 80}, {406, 100}},
        {"low on the screen: moved up, still beside", {0, 0, 1024, 768}, {100, 700, 180, 80}, {288, 318}},
        {"narrow screen: below", {0, 0, 640, 1000}, {230, 13, 180, 80}, {214, 101}},
        {"narrow screen, window low: above", {0, 0, 640, 1000}, {230, 900, 180, 80}, {214, 442}},
        {"the second screen of two", {1024, 0, 1024, 768}, {1100, 50, 180, 80}, {1288, 50}},
        {"a work area below a panel", {0, 30, 1024, 738}, {13, 0, 180, 80}, {201, 30}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QPoint place = dialog_placement::besideWindow(c.window, kDialog, c.screen);
        EXPECT_EQ(place, c.expected);
        const QRect dialog(place, kDialog);
        EXPECT_TRUE(c.screen.contains(dialog));
        EXPECT_FALSE(dialog.intersects(c.window));
    }
}

TEST(DialogPlacement, WithoutRoomItHidesAsLittleOfTheWindowAsFits)
{
    // 700 x 500: no side holds a 426 x 450 dialog clear of a window in the
    // middle; pushed into the screen from the right it covers the least.
    const QRect screen(0, 0, 700, 500);
    const QRect window(250, 210, 180, 80);
    EXPECT_EQ(dialog_placement::besideWindow(window, kDialog, screen), QPoint(274, 50));

    // Larger than the screen: its top-left (the title bar) stays in view.
    EXPECT_EQ(dialog_placement::besideWindow(window, QSize(800, 700), screen), QPoint(0, 0));
}

} // namespace
