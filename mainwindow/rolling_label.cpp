#include "mainwindow/rolling_label.h"

#include <QPainter>
#include <QStyle>

void RollingLabel::setVisibleHeight(int pixels)
{
    const int before = visibleHeight();
    const int after = std::clamp(pixels, 0, height());
    if (after == before)
        return;
    m_visibleHeight = after == height() ? -1 : after;
    update(0, std::min(before, after), width(), std::abs(after - before));
}

void RollingLabel::paintEvent(QPaintEvent *event)
{
    if (m_visibleHeight < 0) {
        QLabel::paintEvent(event);
        return;
    }
    if (m_visibleHeight == 0)
        return;
    QPainter painter(this);
    painter.setClipRect(0, 0, width(), m_visibleHeight);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), text(),
                          foregroundRole());
}
