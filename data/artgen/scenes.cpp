// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenes.h"

#include "landscape.h"
#include "layout.h"

#include <QPainter>
#include <QPainterPath>

using namespace landscape;

namespace {

QColor rgba(QRgb rgb, qreal alpha)
{
    QColor colour(rgb);
    colour.setAlphaF(float(alpha));
    return colour;
}

void paintDay(QPainter &p)
{
    paintSky(p, {{0, QColor(0x8fc1ea)}, {0.55, QColor(0xbcdaf2)}, {0.85, QColor(0xe3eff8)}, {1, QColor(0xeef5fa)}});
    paintGlow(p, layout::kSkyCorner, 26, rgba(0xfff4c8, 0.75));
    paintSun(p, layout::kSkyCorner, 5.5, QColor(0xfffbea), QColor(0xffe7a0));
    paintCloud(p, {150, 5}, 46, rgba(0xffffff, 0.8));
    paintCloud(p, {66, 3.5}, 30, rgba(0xffffff, 0.6));
    paintRidge(p, Ridge::Far, QColor(0xb8d2c6), QColor(0xc8dccf));
    paintPines(p, QColor(0x8fb394));
    paintRidge(p, Ridge::Near, QColor(0x9fc59c), QColor(0x8fb98c));
    paintFrame(p, rgba(0x000000, 0.35), rgba(0xffffff, 0.35));
}

void paintEve(QPainter &p)
{
    paintSky(p, {{0, QColor(0xa9b3df)}, {0.45, QColor(0xd9bfd6)}, {0.75, QColor(0xf5cfae)}, {1, QColor(0xf9dfae)}});
    const QPointF sun(15, 64.5);
    paintGlow(p, sun, 55, rgba(0xffdca0, 0.9));
    paintSun(p, sun, 6.5, QColor(0xfff3d6), QColor(0xffd08c));
    paintCloud(p, {148, 5}, 46, rgba(0xffe2d2, 0.75));
    paintCloud(p, {60, 3.5}, 28, rgba(0xf6d8e0, 0.55));
    paintRidge(p, Ridge::Far, QColor(0xc7a3ae), QColor(0xbc9aa8));
    paintPines(p, QColor(0x9d8196));
    paintRidge(p, Ridge::Near, QColor(0xa98a9f), QColor(0x9c8098));
    paintFrame(p, rgba(0x000000, 0.35), rgba(0xffffff, 0.3));
}

void paintNight(QPainter &p)
{
    paintSky(p, {{0, QColor(0x8d9cd2)}, {0.5, QColor(0xaab2dc)}, {0.85, QColor(0xcbbfdc)}, {1, QColor(0xd6c6da)}});
    paintStars(p, 14, 7, rgba(0xffffff, 1));
    paintGlow(p, layout::kSkyCorner, 20, rgba(0xf3f0ff, 0.5));
    paintMoon(p, layout::kSkyCorner, 5.5, 0.35, QColor(0xfbf8ec));
    paintRidge(p, Ridge::Far, QColor(0x9497c4), QColor(0x8d8fbc));
    paintPines(p, QColor(0x8184b6));
    paintRidge(p, Ridge::Near, QColor(0x7c7fae), QColor(0x74769f));
    paintFrame(p, rgba(0x000000, 0.35), rgba(0xffffff, 0.25));
}

void paintNighttime(QPainter &p)
{
    paintSky(p, {{0, QColor(0x060b22)}, {0.5, QColor(0x0d1638)}, {0.85, QColor(0x1b2752)}, {1, QColor(0x222e5a)}});
    paintGlow(p, {90, 100}, 95, rgba(0x3a4a85, 0.35));
    paintStars(p, 40, 11, QColor(0xf4f6ff));
    paintGlow(p, layout::kSkyCorner, 22, rgba(0xc9d3ff, 0.3));
    paintMoon(p, layout::kSkyCorner, 5.5, 0.3, QColor(0xf6ecc8));
    paintRidge(p, Ridge::Far, QColor(0x121a3a), QColor(0x0f1633));
    paintPines(p, QColor(0x0b1129));
    paintRidge(p, Ridge::Near, QColor(0x090e24), QColor(0x070b1c));
    paintFrame(p, rgba(0x000000, 0.6), rgba(0xffffff, 0.1));
}

// The app's globe, faint, where the other scenes have their sun or moon.
void paintGlobeMark(QPainter &p, const QColor &colour)
{
    const QPointF centre = layout::kSkyCorner;
    constexpr qreal radius = 6.5;
    p.setPen(QPen(colour, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.drawEllipse(centre, radius * 0.4, radius);
    p.drawLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
}

void paintDefault(QPainter &p)
{
    paintSky(p, {{0, QColor(0xd9e3ee)}, {0.7, QColor(0xedf2f7)}, {1, QColor(0xf3f6f9)}});
    paintGlobeMark(p, QColor(0xa9bdd2));
    paintRidge(p, Ridge::Far, QColor(0xd3dde6), QColor(0xd8e1e9));
    paintPines(p, QColor(0xc3d1dc));
    paintRidge(p, Ridge::Near, QColor(0xc6d4de), QColor(0xcbd8e1));
    paintFrame(p, rgba(0x000000, 0.3), rgba(0xffffff, 0.5));
}

} // namespace

QString sceneName(Scene scene)
{
    switch (scene) {
    case Scene::Day: return QStringLiteral("day");
    case Scene::Eve: return QStringLiteral("eve");
    case Scene::Night: return QStringLiteral("night");
    case Scene::Nighttime: return QStringLiteral("nighttime");
    case Scene::Default: return QStringLiteral("background");
    }
    Q_UNREACHABLE();
}

LabelInk labelInk(Scene scene)
{
    if (scene == Scene::Nighttime)
        return {Qt::white, Qt::yellow, Qt::white};
    return {Qt::black, Qt::black, Qt::black};
}

QImage paintScene(Scene scene, int scale)
{
    const QSize size = (layout::kWindow * scale).toSize();
    QImage image(size, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (scene) {
    case Scene::Day: paintDay(painter); break;
    case Scene::Eve: paintEve(painter); break;
    case Scene::Night: paintNight(painter); break;
    case Scene::Nighttime: paintNighttime(painter); break;
    case Scene::Default: paintDefault(painter); break;
    }
    painter.end();
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB888);
}
