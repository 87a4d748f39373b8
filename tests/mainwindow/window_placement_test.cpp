// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/window_placement.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace {

using window_placement::parseEdge;
using window_placement::place;

TEST(WindowPlacement, StoredEdgesBecomePixels)
{
    const QList<QRect> screens {QRect(0, 0, 1920, 1080)};
    const QRect primary = screens.front();
    EXPECT_EQ(place(200.0, 200.0, QPoint(5, 5), screens, primary), QPoint(13, 13));
    EXPECT_EQ(place(1440.0, 3000.0, QPoint(5, 5), screens, primary), QPoint(96, 200));
    // Partly off the screen, negative included: applied unchanged.
    EXPECT_EQ(place(-1500.0, -600.0, QPoint(5, 5), screens, primary), QPoint(-100, -40));
    EXPECT_EQ(place(28500.0, 15600.0, QPoint(5, 5), screens, primary), QPoint(1900, 1040));
}

TEST(WindowPlacement, AnEdgeThatIsNotANumberStaysWhereItIs)
{
    const QList<QRect> screens {QRect(0, 0, 1920, 1080)};
    EXPECT_EQ(place(std::nullopt, 1500.0, QPoint(40, 50), screens, screens.front()), QPoint(40, 100));
    EXPECT_EQ(place(1500.0, std::nullopt, QPoint(40, 50), screens, screens.front()), QPoint(100, 50));
    EXPECT_FALSE(parseEdge(QStringLiteral("left")));
    EXPECT_FALSE(parseEdge(QString()));
    EXPECT_FALSE(parseEdge(QStringLiteral("1e400")));
    EXPECT_EQ(parseEdge(QStringLiteral("-150")), -150.0);
    EXPECT_EQ(parseEdge(QStringLiteral(" 1440 ")), 1440.0);
}

TEST(WindowPlacement, APlaceOnAnUnpluggedMonitorFallsBackToThePrimaryScreen)
{
    // Two screens side by side, the primary on the right.
    const QList<QRect> screens {QRect(-1280, 0, 1280, 1024), QRect(0, 0, 1920, 1080)};
    EXPECT_EQ(place(-15000.0, 1500.0, QPoint(0, 0), screens, screens.at(1)), QPoint(-1000, 100))
        << "on the left monitor: kept";
    EXPECT_EQ(place(-30000.0, 1500.0, QPoint(0, 0), screens, screens.at(1)), QPoint(13, 13)) << "beyond every screen";
    EXPECT_EQ(place(60000.0, 60000.0, QPoint(0, 0), screens, screens.at(1)), QPoint(13, 13));
    EXPECT_EQ(place(1.0e30, 0.0, QPoint(0, 0), screens, screens.at(1)), QPoint(13, 13));
}

TEST(WindowPlacement, EdgesAreStoredInTheirShortestForm)
{
    EXPECT_EQ(window_placement::edgeText(1440), QStringLiteral("1440"));
    EXPECT_EQ(window_placement::edgeText(-150), QStringLiteral("-150"));
    EXPECT_EQ(window_placement::edgeText(0), QStringLiteral("0"));
    EXPECT_EQ(parseEdge(window_placement::edgeText(28785)), 28785.0);
}

} // namespace
