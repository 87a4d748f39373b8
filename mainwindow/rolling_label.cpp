// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/rolling_label.h"

#include <QEvent>
#include <QPainter>

RollingLabel::RollingLabel(QWidget *parent) : QWidget(parent)
{
}

void RollingLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    // Read out as a label's text is.
    setAccessibleName(text);
    // Rolled up, the hidden rows show the picture; the roll down draws them.
    repaintPart(refreshLayout() & QRect(0, 0, width(), visibleHeight()));
}

void RollingLabel::setVisibleHeight(int pixels)
{
    const int before = visibleHeight();
    const int after = std::clamp(pixels, 0, height());
    if (after == before)
        return;
    m_visibleHeight = after == height() ? -1 : after;
    const QRect band(0, std::min(before, after), width(), std::abs(after - before));
    if (m_paintedElsewhere)
        Q_EMIT rolled(band);
    else
        update(band);
}

void RollingLabel::handOverPainting()
{
    m_paintedElsewhere = true;
    // Updates off: the widget is skipped when its window repaints, so the
    // other painting is the only one.
    setUpdatesEnabled(false);
    refreshLayout();
    repaintPart(rect());
}

QRect RollingLabel::refreshLayout()
{
    // The font as this widget's screen resolves it, as QLabel would draw it.
    // Until the window is on screen texts are shaped whole: start-up sets a
    // few texts once and is waited for.
    return m_layout
        .change(m_text, QFont(font(), this), contentsRect().size(),
                isVisible() ? LabelText::Learning::Yes : LabelText::Learning::No)
        .translated(contentsRect().topLeft());
}

void RollingLabel::repaintPart(const QRect &part)
{
    if (part.isEmpty())
        return;
    if (m_paintedElsewhere)
        Q_EMIT partChanged(part);
    else
        update(part);
}

QPoint RollingLabel::originOn(const QWidget &canvas) const
{
    // Through the window both lie in: the canvas is a sibling, not a parent.
    return canvas.mapFrom(window(), mapTo(window(), QPoint(0, 0)));
}

void RollingLabel::paintText(QPainter &painter, const QPoint &origin, const QRect &area, int rows)
{
    const int shown = rows < 0 ? visibleHeight() : std::min(rows, height());
    if (shown <= 0)
        return;
    painter.setClipRect(QRect(origin, QSize(width(), shown)));
    painter.setPen(palette().color(foregroundRole()));
    const QPoint box = origin + contentsRect().topLeft();
    m_layout.draw(painter, box, area.isNull() ? QRect() : area.translated(-box));
}

void RollingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintText(painter, QPoint(0, 0));
}

void RollingLabel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::ContentsRectChange:
        refreshLayout();
        repaintPart(rect());
        break;
    default: break;
    }
}

void RollingLabel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    refreshLayout();
    if (m_paintedElsewhere)
        Q_EMIT placeChanged();
}

void RollingLabel::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (m_paintedElsewhere)
        Q_EMIT placeChanged();
}
