// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/clock_face.h"

#include "mainwindow/rolling_label.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

ClockFace::ClockFace(QWidget *parent) : QLabel(parent)
{
    // Every pixel is painted here, so the window paints nothing under it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClockFace::carry(std::initializer_list<RollingLabel *> labels)
{
    for (RollingLabel *label : labels) {
        // A label of fixed size spares its window a layout request per new text.
        label->setFixedSize(label->size());
        label->paintOnto(this);
        m_labels.push_back(label);
    }
}

void ClockFace::paintEvent(QPaintEvent *event)
{
    const QRect area = event->rect();
    QPainter painter(this);
    paintPicture(painter, area);
    for (RollingLabel *label : m_labels) {
        if (label->isHidden())
            continue;
        const QPoint origin = label->originOn(*this);
        if (QRect(origin, QSize(label->width(), label->visibleHeight())).intersects(area))
            label->paintText(painter, origin, area);
    }
}

void ClockFace::paintPicture(QPainter &painter, const QRect &area)
{
    const QPixmap shown = pixmap();
    // Placed as QLabel places a picture, so one of another size sits where it did.
    const QRect place = shown.isNull()
        ? QRect()
        : QStyle::alignedRect(layoutDirection(), alignment(), shown.deviceIndependentSize().toSize(), contentsRect());
    if (!place.contains(area))
        painter.fillRect(area, palette().window());
    if (place.intersects(area)) {
        const QRect part = place & area;
        const qreal ratio = shown.devicePixelRatio();
        const QRectF source(QPointF(part.topLeft() - place.topLeft()) * ratio, QSizeF(part.size()) * ratio);
        painter.drawPixmap(QRectF(part), shown, source);
    }
}
