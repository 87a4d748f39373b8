// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/label_text.h"

#include <QWidget>

// A line of text that can be rolled up and down: only its top part, of the
// visible height, is shown, and a change of that height repaints just the
// band that changed. The widget's own geometry never moves, so a roll costs
// no layout and no repaint of the picture under the rest of the label.
//
// Its text is laid out once per change, and a new text repaints only the
// glyphs that differ: a tick that moves the seconds on repaints one or two
// digits, and the same text again repaints nothing. Once its painting is
// handed over (to the clock's face), the label itself paints nothing and
// tells what changed through its signals: it keeps its text, font, colours,
// tooltip and mouse. Its text is plain and stands centred at the top, the
// clock's one alignment.
class RollingLabel final : public QWidget {
    Q_OBJECT

public:
    explicit RollingLabel(QWidget *parent = nullptr);

    const QString &text() const { return m_text; }
    void setText(const QString &text);

    int visibleHeight() const { return m_visibleHeight < 0 ? height() : m_visibleHeight; }
    void setVisibleHeight(int pixels);

    // From now on something else paints this label through paintText, told
    // by the signals below what to repaint.
    void handOverPainting();
    // Draws the top `rows` of the text (its visible height when negative)
    // with the label's top left at `origin`, as much of it as reaches `area`
    // (the painter's coordinates; all of it when null). Replaces the
    // painter's clip and pen.
    void paintText(QPainter &painter, const QPoint &origin, const QRect &area = QRect(), int rows = -1);
    // The label's top left in `canvas`'s coordinates.
    QPoint originOn(const QWidget &canvas) const;

Q_SIGNALS:
    // Once painting is handed over: the part (label coordinates) that looks
    // different now.
    void partChanged(const QRect &part);
    // The rows `band` (label coordinates) that a roll step showed or hid,
    // at the visible height the label has now.
    void rolled(const QRect &band);
    // The label moved or changed size: its old place needs painting too.
    void placeChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // Lays the text out anew if anything it depends on changed; returns the
    // label-local part that now looks different.
    QRect refreshLayout();
    void repaintPart(const QRect &part);

    QString m_text;
    LabelText m_layout;
    bool m_paintedElsewhere = false;
    int m_visibleHeight = -1; // the whole label
};
