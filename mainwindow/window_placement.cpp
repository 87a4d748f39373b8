#include "mainwindow/window_placement.h"

#include "mainwindow/twips.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace window_placement {

std::optional<double> parseEdge(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    // Beyond the range of a float the edge is no position at all.
    if (!ok || !std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return double(float(value));
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
    return primaryScreen.topLeft() + QPoint(twips::toPixels(DefaultTwips), twips::toPixels(DefaultTwips));
}

} // namespace window_placement
