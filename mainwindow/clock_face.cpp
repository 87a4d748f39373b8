// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/clock_face.h"

#include "mainwindow/rolling_label.h"

#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstring>

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
        const auto onFace = [this, label](const QRect &part) { return part.translated(label->originOn(*this)); };
        connect(label, &RollingLabel::partChanged, this, [this, onFace](const QRect &part) { update(onFace(part)); });
        connect(label, &RollingLabel::rolled, this, [this, label, onFace](const QRect &band) {
            if (!showRolledRows(*label, band))
                update(onFace(band));
        });
        // The old place too: the label no longer covers it.
        connect(label, &RollingLabel::placeChanged, this, [this] { update(); });
        m_labels.push_back(label);
        label->handOverPainting();
    }
}

void ClockFace::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintArea(painter, event->rect(), m_paintRolled.label, m_paintRolled.rows);
}

void ClockFace::paintArea(QPainter &painter, const QRect &area, const RollingLabel *rolled, int rolledRows)
{
    paintPicture(painter, area);
    for (RollingLabel *label : m_labels) {
        if (label->isHidden())
            continue;
        const int rows = label == rolled ? rolledRows : label->visibleHeight();
        const QPoint origin = label->originOn(*this);
        if (QRect(origin, QSize(label->width(), rows)).intersects(area))
            label->paintText(painter, origin, area, rows);
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

// A roll shows some seventy steps a zone, each a row or two of one label.
// Through a repaint each step would set up a painter, draw the picture and
// the glyphs and walk the window's widgets; here it is a copy of rows
// painted once per look, straight into the window's backing store.
bool ClockFace::showRolledRows(const RollingLabel &label, const QRect &band)
{
    QWidget *top = window();
    QWindow *handle = top->windowHandle();
    QBackingStore *store = top->backingStore();
    if (!isVisible() || !handle || !handle->isExposed() || !store)
        return false;
    const QPoint labelOnFace = label.originOn(*this);
    const QRect rows = band.translated(labelOnFace) & QRect(labelOnFace, label.size()) & rect();
    if (rows.isEmpty())
        return true;
    const QRect rowsInWindow = rows.translated(mapTo(top, QPoint(0, 0)));
    // Rows are copied whole device pixels at a time: a fractional scale
    // spreads a row of the label over pixels it shares with its neighbours.
    const qreal windowRatio = top->devicePixelRatioF();
    if (windowRatio != std::round(windowRatio) || isCoveredBySibling(rowsInWindow))
        return false;

    store->beginPaint(QRegion(rowsInWindow));
    QPaintDevice *device = store->paintDevice();
    QImage *image = device && device->devType() == QInternal::Image ? static_cast<QImage *>(device) : nullptr;
    const qreal ratio = image ? image->devicePixelRatio() : 0;
    const int scale = int(std::lround(ratio));
    const QRect target(rowsInWindow.topLeft() * scale, rowsInWindow.size() * scale);
    // Whole bytes per pixel, each pixel its own colour: no bit-packed or indexed store.
    const bool copiable = image && image->depth() >= 8 && image->depth() % 8 == 0
        && image->format() != QImage::Format_Indexed8 && image->format() != QImage::Format_Alpha8
        && image->format() != QImage::Format_Grayscale8;
    if (!copiable || scale < 1 || ratio != scale || !image->rect().contains(target)) {
        store->endPaint();
        return false;
    }
    if (takeRollLook(label, ratio, image->format())) {
        m_rollWhole = paintedLabelArea(label, label.height(), ratio, image->format());
        m_rollBare = paintedLabelArea(label, 0, ratio, image->format());
    }
    const int pixelBytes = image->depth() / 8;
    const QPoint inLabel = rows.topLeft() - labelOnFace;
    for (int y = 0; y < target.height(); ++y) {
        const int labelRow = inLabel.y() + y / scale;
        const QImage &source = labelRow < label.visibleHeight() ? m_rollWhole : m_rollBare;
        std::memcpy(image->scanLine(target.top() + y) + std::ptrdiff_t(target.left()) * pixelBytes,
                    source.constScanLine(inLabel.y() * scale + y) + std::ptrdiff_t(inLabel.x()) * scale * pixelBytes,
                    std::size_t(target.width()) * std::size_t(pixelBytes));
    }
    store->endPaint();
    store->flush(QRegion(rowsInWindow), handle);
    if (label.visibleHeight() == label.height()) {
        // The roll is over: the next one, a zone later, paints them afresh anyway.
        m_rollLook = {};
        m_rollWhole = QImage();
        m_rollBare = QImage();
    }
    return true;
}

bool ClockFace::takeRollLook(const RollingLabel &label, qreal ratio, QImage::Format format)
{
    // Compared in place, as a step runs seventy times a zone: nothing is
    // allocated unless the look did change.
    const auto lookOf = [&label](const RollingLabel &each) {
        return LabelLook {each.text(),     each.font(),     each.palette().color(each.foregroundRole()),
                          each.geometry(), each.isHidden(), &each == &label ? -1 : each.visibleHeight()};
    };
    bool same = m_rollLook.label == &label && m_rollLook.picture == pixmap().cacheKey() && m_rollLook.size == size()
        && m_rollLook.window == palette().color(QPalette::Window) && m_rollLook.ratio == ratio
        && m_rollLook.format == format && m_rollLook.labels.size() == m_labels.size();
    for (std::size_t i = 0; same && i < m_labels.size(); ++i)
        same = m_rollLook.labels[i] == lookOf(*m_labels[i]);
    if (same)
        return false;
    m_rollLook = {&label, pixmap().cacheKey(), size(), palette().color(QPalette::Window), ratio, format, {}};
    for (const RollingLabel *each : m_labels)
        m_rollLook.labels.push_back(lookOf(*each));
    return true;
}

QImage ClockFace::paintedLabelArea(const RollingLabel &label, int rows, qreal ratio, QImage::Format format)
{
    const QRect area(label.originOn(*this), label.size());
    QImage image(area.size() * ratio, format);
    image.setDevicePixelRatio(ratio);
    image.fill(palette().color(QPalette::Window));
    // Through the widget, not a painter on the image: glyphs are then drawn
    // as on screen (subpixel smoothing included), which a QImage's painter
    // would draw in grey.
    m_paintRolled = {&label, rows};
    render(&image, QPoint(), QRegion(area), {});
    m_paintRolled = {};
    return image;
}

bool ClockFace::isCoveredBySibling(const QRect &areaInWindow) const
{
    if (parentWidget() != window())
        return true; // the clock's face lies on its window; anything else is not looked into
    for (const QObject *child : window()->children()) {
        const auto *widget = qobject_cast<const QWidget *>(child);
        if (!widget || widget == this || widget->isWindow() || widget->isHidden())
            continue;
        if (std::find(m_labels.cbegin(), m_labels.cend(), widget) != m_labels.cend())
            continue; // painted here
        if (QRect(widget->mapTo(window(), QPoint(0, 0)), widget->size()).intersects(areaInWindow))
            return true;
    }
    return false;
}
