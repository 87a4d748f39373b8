// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

#include <initializer_list>

// The pieces every scene is made of. All take logical window coordinates
// (180 x 80); the painter's scale decides the resolution.
namespace landscape {

struct SkyStop {
    qreal at; // 0 = top of the window, 1 = bottom
    QColor colour;
};

enum class Ridge { Far, Near };

void paintSky(QPainter &painter, std::initializer_list<SkyStop> stops);

// A soft round light; colour's alpha is the strength at the centre.
void paintGlow(QPainter &painter, QPointF centre, qreal radius, const QColor &colour);

void paintSun(QPainter &painter, QPointF centre, qreal radius, const QColor &core, const QColor &edge);

// lit: 1 is a full moon, smaller values leave a crescent lit on the right.
void paintMoon(QPainter &painter, QPointF centre, qreal radius, qreal lit, const QColor &colour);

// Stars only where no text, sun, moon or arrow sits, and above the hills.
void paintStars(QPainter &painter, int count, quint32 seed, const QColor &colour);

void paintCloud(QPainter &painter, QPointF centre, qreal width, const QColor &colour);

// The same hills in every scene, so the clock looks at one place all day.
void paintRidge(QPainter &painter, Ridge ridge, const QColor &crest, const QColor &foot);

// A few pines on the left hill, the landscape's one close-up detail.
void paintPines(QPainter &painter, const QColor &colour);

// The window has no border of its own; a faint edge keeps it apart from the desktop.
void paintFrame(QPainter &painter, const QColor &outer, const QColor &inner);

} // namespace landscape
