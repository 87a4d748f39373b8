// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/rolling_label.h"

#include "mainwindow/clock_face.h"

#include <QEvent>
#include <QPainter>

RollingLabel::RollingLabel(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void RollingLabel::setText(const QString &text)
{
    if (text == QLabel::text())
        return;
    QLabel::setText(text);
    // Rolled up, the hidden rows show the picture; the roll down draws them.
    repaintPart(refreshText() & QRect(0, 0, width(), visibleHeight()));
}

void RollingLabel::setVisibleHeight(int pixels)
{
    const int before = visibleHeight();
    const int after = std::clamp(pixels, 0, height());
    if (after == before)
        return;
    m_visibleHeight = after == height() ? -1 : after;
    const QRect band(0, std::min(before, after), width(), std::abs(after - before));
    if (m_canvas && m_canvas->showRolledRows(*this, band))
        return;
    repaintPart(band);
}

void RollingLabel::paintOnto(ClockFace *canvas)
{
    m_canvas = canvas;
    // Updates off: the widget is skipped when its window repaints, so the
    // canvas's painting is the only one.
    setUpdatesEnabled(canvas == nullptr);
    refreshText();
    repaintPart(rect());
}

QRect RollingLabel::refreshText()
{
    // The font as this widget's screen resolves it, as QLabel would draw it.
    // Until the window is on screen texts are shaped whole: start-up sets a
    // few texts once and is waited for.
    return m_text
        .change(QLabel::text(), QFont(font(), this), contentsRect().size(),
                isVisible() ? LabelText::Learning::Yes : LabelText::Learning::No)
        .translated(contentsRect().topLeft());
}

void RollingLabel::repaintPart(const QRect &part)
{
    if (part.isEmpty())
        return;
    if (m_canvas)
        m_canvas->update(part.translated(originOn(*m_canvas)));
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
    if (m_text.text() != QLabel::text())
        refreshText(); // set past setText, through QLabel
    painter.setClipRect(QRect(origin, QSize(width(), shown)));
    painter.setPen(palette().color(foregroundRole()));
    const QPoint box = origin + contentsRect().topLeft();
    m_text.draw(painter, box, area.isNull() ? QRect() : area.translated(-box));
}

void RollingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintText(painter, QPoint(0, 0));
}

void RollingLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::ContentsRectChange:
        refreshText();
        repaintPart(rect());
        break;
    default: break;
    }
}

void RollingLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    refreshText();
    // The canvas repaints the old place too: the label no longer covers it.
    if (m_canvas)
        m_canvas->update();
}

void RollingLabel::moveEvent(QMoveEvent *event)
{
    QLabel::moveEvent(event);
    if (m_canvas)
        m_canvas->update();
}
