// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace window_placement {

// 2700 x 1200 twips.
constexpr QSize WindowSize {180, 80};

// A stored edge: the text form of a number of twips, or nothing when the text
// is not a number. Kept to single precision, as it was stored.
std::optional<double> parseEdge(const QString &text);
// The text a dragged edge is stored as: the shortest form of the number.
QString edgeText(double twipsValue);

// Where the window goes, in pixels. An edge that is not a number stays where
// it is. A position wholly outside every screen (a monitor since unplugged)
// gives the stored edges' default place on the primary screen instead; anything touching a
// screen, negative positions included, is used unchanged.
QPoint place(std::optional<double> leftTwips, std::optional<double> topTwips, QPoint current,
             const QList<QRect> &screens, const QRect &primaryScreen);

} // namespace window_placement
