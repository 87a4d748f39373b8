// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/window_placement.h"

#include "engine/settings_schema.h"
#include "mainwindow/twips.h"

#include <QLocale>

#include <algorithm>

namespace window_placement {

std::optional<double> parseEdge(const QString &text)
{
    const std::optional<double> value = settings_schema::numberIn(setting::FormX, text);
    if (!value)
        return std::nullopt;
    return double(float(*value));
}

QString edgeText(double twipsValue)
{
    return QString::number(double(float(twipsValue)), 'g', QLocale::FloatingPointShortest);
}

QPoint place(std::optional<double> leftTwips, std::optional<double> topTwips, QPoint current,
             const QList<QRect> &screens, const QRect &primaryScreen)
{
    // Clamp to what a window position can hold before turning twips into pixels.
    constexpr double limit = 1.0e7;
    QPoint wanted = current;
    if (leftTwips)
        wanted.setX(twips::toPixels(std::clamp(*leftTwips, -limit, limit)));
    if (topTwips)
        wanted.setY(twips::toPixels(std::clamp(*topTwips, -limit, limit)));

    const QRect frame(wanted, WindowSize);
    for (const QRect &screen : screens) {
        if (screen.intersects(frame))
            return wanted;
    }
    if (screens.isEmpty())
        return wanted;
    return primaryScreen.topLeft()
        + QPoint(twips::toPixels(settings_schema::defaultNumber(setting::FormX)),
                 twips::toPixels(settings_schema::defaultNumber(setting::FormY)));
}

} // namespace window_placement
