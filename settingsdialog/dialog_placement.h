// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace dialog_placement {

// Room left between the dialog and the window it belongs to.
constexpr int Gap = 8;

// Where a dialog of the given outer size goes so that the user still sees the
// window it acts on: beside it on the right, else the left, below or above,
// wholly on the screen. Where no side has room, the place that hides the
// least of the window while staying on the screen.
QPoint besideWindow(const QRect &window, const QSize &dialog, const QRect &screen);

} // namespace dialog_placement
