// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/label_text.h"

#include <QLabel>

class ClockFace;

// A label that can be rolled up and down: only its top part, of the visible
// height, is shown, and a change of that height repaints just the band that
// changed. The widget's own geometry never moves, so a roll costs no layout
// and no repaint of the picture under the rest of the label.
//
// Its text is laid out once per change, and a new text repaints only the
// glyphs that differ: a tick that moves the seconds on repaints one or two
// digits, and the same text again repaints nothing. Once a canvas under it
// takes over its painting (the clock's face), the label itself paints
// nothing: it keeps its text, font, colours, tooltip and mouse.
// Its text stands centred at the top, the clock's one alignment.
class RollingLabel final : public QLabel {
public:
    explicit RollingLabel(QWidget *parent = nullptr);

    // Hides QLabel::setText, which would repaint the whole label.
    void setText(const QString &text);

    int visibleHeight() const { return m_visibleHeight < 0 ? height() : m_visibleHeight; }
    void setVisibleHeight(int pixels);

    // From now on `canvas` paints this label through paintText, and shows
    // the steps of its roll itself.
    void paintOnto(ClockFace *canvas);
    // Draws the top `rows` of the text (its visible height when negative)
    // with the label's top left at `origin`, as much of it as reaches `area`
    // (the painter's coordinates; all of it when null). Replaces the
    // painter's clip and pen.
    void paintText(QPainter &painter, const QPoint &origin, const QRect &area = QRect(), int rows = -1);
    // The label's top left in `canvas`'s coordinates.
    QPoint originOn(const QWidget &canvas) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // Lays the text out anew if anything it depends on changed; returns the
    // label-local part that now looks different.
    QRect refreshText();
    void repaintPart(const QRect &part);

    LabelText m_text;
    ClockFace *m_canvas = nullptr;
    int m_visibleHeight = -1; // the whole label
};
