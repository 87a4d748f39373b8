// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscape.h"

#include "layout.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <array>
#include <span>

namespace landscape {

namespace {

constexpr qreal kBelowWindow = layout::kWindow.height() + 10;

// Ridge outlines, left to right, reaching past both window edges.
constexpr std::array<QPointF, 12> kFarRidge {{
    {-12, 68.5},
    {0, 68},
    {10, 68.5},
    {30, 63.5},
    {52, 66.5},
    {78, 69.5},
    {104, 67.5},
    {128, 70},
    {150, 71.5},
    {170, 72.5},
    {186, 68},
    {196, 66},
}};
constexpr std::array<QPointF, 10> kNearRidge {{
    {-12, 74},
    {0, 73},
    {18, 75},
    {44, 73},
    {70, 76},
    {100, 74.5},
    {130, 76.5},
    {160, 75.5},
    {184, 73.5},
    {196, 73},
}};

std::span<const QPointF> outline(Ridge ridge)
{
    if (ridge == Ridge::Far)
        return kFarRidge;
    return kNearRidge;
}

// A Catmull-Rom curve through the points: hills without corners, and the
// outline stays easy to edit as a list of crests and dips.
QPainterPath smoothOutline(std::span<const QPointF> points)
{
    QPainterPath path(points.front());
    const auto last = std::ssize(points) - 1;
    for (std::ptrdiff_t i = 0; i < last; ++i) {
        const QPointF before = points[std::max<std::ptrdiff_t>(i - 1, 0)];
        const QPointF from = points[i];
        const QPointF to = points[i + 1];
        const QPointF after = points[std::min(i + 2, last)];
        path.cubicTo(from + (to - before) / 6, to - (after - from) / 6, to);
    }
    return path;
}

QPainterPath ridgeArea(Ridge ridge)
{
    const auto points = outline(ridge);
    QPainterPath area = smoothOutline(points);
    area.lineTo(points.back().x(), kBelowWindow);
    area.lineTo(points.front().x(), kBelowWindow);
    area.closeSubpath();
    return area;
}

bool keepsClearOfText(QPointF point)
{
    constexpr qreal margin = 2.5;
    const auto near = [&](const QRectF &box) { return box.adjusted(-margin, -margin, margin, margin).contains(point); };
    const QRectF skyCorner(layout::kSkyCorner - QPointF(10, 10), QSizeF(20, 20));
    return !near(layout::kZoneNameLabel) && !near(layout::kTimeInk) && !near(layout::kDateInk)
        && !near(layout::kNextArrow.adjusted(-2, -2, 2, 2)) && !near(skyCorner);
}

QColor withAlpha(QColor colour, qreal alpha)
{
    colour.setAlphaF(float(alpha));
    return colour;
}

} // namespace

void paintSky(QPainter &painter, std::initializer_list<SkyStop> stops)
{
    QLinearGradient gradient(0, 0, 0, layout::kWindow.height());
    for (const SkyStop &stop : stops)
        gradient.setColorAt(stop.at, stop.colour);
    painter.fillRect(QRectF(QPointF(0, 0), layout::kWindow), gradient);
}

void paintGlow(QPainter &painter, QPointF centre, qreal radius, const QColor &colour)
{
    QRadialGradient gradient(centre, radius);
    // Falls off roughly like scattered light: bright core, long faint tail.
    gradient.setColorAt(0, colour);
    gradient.setColorAt(0.25, withAlpha(colour, colour.alphaF() * 0.55));
    gradient.setColorAt(0.6, withAlpha(colour, colour.alphaF() * 0.15));
    gradient.setColorAt(1, withAlpha(colour, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

void paintSun(QPainter &painter, QPointF centre, qreal radius, const QColor &core, const QColor &edge)
{
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, core);
    gradient.setColorAt(0.7, core);
    gradient.setColorAt(1, edge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

void paintMoon(QPainter &painter, QPointF centre, qreal radius, qreal lit, const QColor &colour)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath shadow;
    shadow.addEllipse(centre - QPointF(2 * radius * lit, 0), radius * 1.02, radius * 1.02);
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(colour, 0.14)); // the dark part still shows faintly
    painter.drawPath(disc);
    painter.setBrush(colour);
    painter.drawPath(disc.subtracted(shadow));
}

void paintStars(QPainter &painter, int count, quint32 seed, const QColor &colour)
{
    QRandomGenerator random(seed);
    const QPainterPath hills = ridgeArea(Ridge::Far);
    painter.setPen(Qt::NoPen);
    for (int placed = 0; placed < count;) {
        const QPointF point(random.bounded(layout::kWindow.width()), random.bounded(layout::kWindow.height()));
        // Haze near the horizon hides the faint ones; the lowest stars stay well above the hills.
        if (!keepsClearOfText(point) || hills.contains(point + QPointF(0, 6)))
            continue;
        ++placed;
        const qreal brightness = 0.35 + 0.65 * random.generateDouble() * random.generateDouble();
        const qreal radius = 0.45 + 0.5 * brightness;
        QRadialGradient gradient(point, radius);
        gradient.setColorAt(0, withAlpha(colour, brightness));
        gradient.setColorAt(0.5, withAlpha(colour, brightness * 0.7));
        gradient.setColorAt(1, withAlpha(colour, 0));
        painter.setBrush(gradient);
        painter.drawEllipse(point, radius, radius);
    }
}

void paintCloud(QPainter &painter, QPointF centre, qreal width, const QColor &colour)
{
    // Thin streaks rather than puffs: at this size puffs look drawn, streaks look like weather.
    // Each: x and y offset, width and height, as fractions of the cloud's width.
    constexpr std::array<std::array<qreal, 4>, 4> streaks {{
        {0, 0, 1, 0.15},
        {0.2, 0.09, 0.62, 0.11},
        {-0.24, 0.07, 0.5, 0.1},
        {0.05, -0.06, 0.45, 0.09},
    }};
    QRadialGradient gradient(QPointF(0, 0), 1);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(0.5, withAlpha(colour, colour.alphaF() * 0.6));
    gradient.setColorAt(1, withAlpha(colour, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    for (const auto &[dx, dy, w, h] : streaks) {
        painter.save();
        painter.translate(centre + QPointF(dx, dy) * width);
        painter.scale(w * width / 2, h * width / 2);
        painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
        painter.restore();
    }
}

void paintRidge(QPainter &painter, Ridge ridge, const QColor &crest, const QColor &foot)
{
    const QPainterPath area = ridgeArea(ridge);
    QLinearGradient gradient(0, area.boundingRect().top(), 0, layout::kWindow.height());
    gradient.setColorAt(0, crest);
    gradient.setColorAt(1, foot);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawPath(area);
}

void paintPines(QPainter &painter, const QColor &colour)
{
    // Foot position and height of each tree, standing on the far ridge.
    constexpr std::array<std::array<qreal, 3>, 4> pines {{
        {3, 69, 6.5},
        {6.5, 69, 8.5},
        {10, 69.5, 5.5},
        {23, 65.5, 5},
    }};
    QPainterPath trees;
    for (const auto &[x, foot, height] : pines) {
        const qreal half = height * 0.34;
        QPainterPath tree;
        tree.moveTo(x, foot - height);
        tree.lineTo(x + half, foot);
        tree.lineTo(x - half, foot);
        tree.closeSubpath();
        trees.addPath(tree);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(trees.simplified());
}

void paintFrame(QPainter &painter, const QColor &outer, const QColor &inner)
{
    const QRectF window(QPointF(0, 0), layout::kWindow);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(outer, 1));
    painter.drawRect(window.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(QPen(inner, 1));
    painter.drawRect(window.adjusted(1.5, 1.5, -1.5, -1.5));
}

} // namespace landscape
