// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrow.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr QSize kArrowSize {13, 10};

QPainterPath arrowShape()
{
    QPainterPath arrow;
    arrow.moveTo(1.5, 4);
    arrow.lineTo(6.5, 4);
    arrow.lineTo(6.5, 1.5);
    arrow.lineTo(11.5, 5);
    arrow.lineTo(6.5, 8.5);
    arrow.lineTo(6.5, 6);
    arrow.lineTo(1.5, 6);
    arrow.closeSubpath();
    return arrow;
}

} // namespace

QImage paintNextArrow(int scale)
{
    QImage image(kArrowSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath arrow = arrowShape();
    // A dark arrow on a light rim reads on the bright day sky and the dark night alike.
    painter.setPen(QPen(QColor(255, 255, 255, 215), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arrow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x24, 0x30, 0x49));
    painter.drawPath(arrow);
    painter.end();
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_ARGB32);
}
