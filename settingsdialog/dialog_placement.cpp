// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/dialog_placement.h"

#include <algorithm>
#include <array>

namespace dialog_placement {

namespace {

// The nearest top-left that keeps the dialog on the screen; a dialog larger
// than the screen keeps its title bar (top-left) in view.
QPoint clampedInto(QPoint wanted, const QSize &dialog, const QRect &screen)
{
    const int x = std::max(screen.left(), std::min(wanted.x(), screen.right() + 1 - dialog.width()));
    const int y = std::max(screen.top(), std::min(wanted.y(), screen.bottom() + 1 - dialog.height()));
    return {x, y};
}

qint64 area(const QRect &rect)
{
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

} // namespace

QPoint besideWindow(const QRect &window, const QSize &dialog, const QRect &screen)
{
    const std::array<QPoint, 4> sides = {
        QPoint(window.right() + 1 + Gap, window.top()),
        QPoint(window.left() - Gap - dialog.width(), window.top()),
        QPoint(window.left(), window.bottom() + 1 + Gap),
        QPoint(window.left(), window.top() - Gap - dialog.height()),
    };
    QPoint best;
    qint64 leastHidden = -1;
    for (const QPoint &side : sides) {
        const QPoint place = clampedInto(side, dialog, screen);
        const qint64 hidden = area(QRect(place, dialog) & window);
        if (hidden == 0)
            return place;
        if (leastHidden < 0 || hidden < leastHidden) {
            leastHidden = hidden;
            best = place;
        }
    }
    return best;
}

} // namespace dialog_placement
