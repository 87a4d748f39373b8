// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSizeF>

// Where the clock window puts things, in logical pixels. The scenes keep their
// detail away from these places so the text stays easy to read.
namespace layout {

inline constexpr QSizeF kWindow {180, 80};

inline constexpr QRectF kZoneNameLabel {34, 8, 140, 17};
inline constexpr QRectF kTimeLabel {7, 24, 166, 35};
inline constexpr QRectF kDateLabel {8, 58, 150, 17};
inline constexpr QRectF kNextArrow {159, 60, 13, 10};

// The labels centre their text, so the ink of a time or a date covers less
// than the label; these boxes hold the widest texts the clock shows.
inline constexpr QRectF kTimeInk {12, 26, 156, 31};
inline constexpr QRectF kDateInk {24, 59, 118, 15};

// The top-left corner the name label never reaches: home of the sun and moon.
inline constexpr QPointF kSkyCorner {17, 12};

} // namespace layout
