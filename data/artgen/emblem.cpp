// SPDX-License-Identifier: GPL-3.0-or-later
#include "emblem.h"

#include <QFont>
#include <QPainter>
#include <QRadialGradient>

namespace {

// The geometry of ../horalux.svg, in its 64 x 64 view box; change both together.
// Every icon size is a multiple of 16, so the hands sit on whole pixels.
constexpr qreal kBox = 64;
constexpr QPointF kCentre {32, 32};
constexpr qreal kFaceRadius = 28;
constexpr qreal kRimRadius = 27.5;
constexpr qreal kRimWidth = 5;
constexpr qreal kMeridianHalfWidth = 10;
constexpr qreal kGridWidth = 2.5;
constexpr QPointF kMinuteHandTip {32, 14};
constexpr QPointF kHourHandTip {46, 32};
constexpr qreal kHandWidth = 8;
constexpr qreal kHubRadius = 4;
const QColor kInk {0x1d3557};
const QColor kGrid {0x6b98c9};
const QColor kHub {0xe8862f};

// Paints the icon into the 64 x 64 box at the painter's origin.
void paintEmblem(QPainter &p)
{
    QRadialGradient face(kCentre, 30, QPointF(25, 22));
    face.setColorAt(0, QColor(0xffffff));
    face.setColorAt(0.55, QColor(0xd6e8f7));
    face.setColorAt(1, QColor(0x9ec5e8));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawEllipse(kCentre, kFaceRadius, kFaceRadius);

    p.setPen(QPen(kGrid, kGridWidth));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kCentre, kMeridianHalfWidth, kRimRadius);
    p.drawLine(QPointF(4, 32), QPointF(60, 32));

    p.setPen(QPen(kInk, kRimWidth));
    p.drawEllipse(kCentre, kRimRadius, kRimRadius);

    p.setPen(QPen(kInk, kHandWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kCentre, kMinuteHandTip);
    p.drawLine(kCentre, kHourHandTip);

    p.setPen(Qt::NoPen);
    p.setBrush(kHub);
    p.drawEllipse(kCentre, kHubRadius, kHubRadius);
}

QImage transparentImage(QSize size, int scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

QImage finished(QImage image)
{
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage paintIcon(int size)
{
    QImage image = transparentImage(QSize(size, size), 1);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kBox, size / kBox);
    paintEmblem(painter);
    painter.end();
    return finished(image);
}

QImage paintLogo(int scale)
{
    constexpr QSizeF logo {168, 164};
    constexpr qreal emblemSize = 100;
    QImage image = transparentImage(logo.toSize(), scale);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    // A card of its own, so the logo reads the same on light and dark dialog themes.
    const QRectF card = QRectF(QPointF(0, 0), logo).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient sky(card.topLeft(), card.bottomLeft());
    sky.setColorAt(0, QColor(0xe4eff9));
    sky.setColorAt(1, QColor(0xf7fafd));
    painter.setPen(QPen(QColor(0x1d, 0x35, 0x57, 70), 1));
    painter.setBrush(sky);
    painter.drawRoundedRect(card, 14, 14);

    painter.save();
    painter.translate((logo.width() - emblemSize) / 2, 14);
    painter.scale(emblemSize / kBox, emblemSize / kBox);
    paintEmblem(painter);
    painter.restore();

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(28);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    painter.setFont(font);
    painter.setPen(kInk);
    painter.drawText(QRectF(0, 116, logo.width(), 36), Qt::AlignCenter, QStringLiteral("Horalux"));
    painter.end();
    return finished(image);
}
