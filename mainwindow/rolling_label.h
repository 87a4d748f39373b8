#pragma once

#include <QLabel>

// A label that can be rolled up and down: only its top part, of the visible
// height, is painted, and a change of that height repaints just the band that
// changed. The widget's own geometry never moves, so a roll costs no layout
// and no repaint of the picture under the rest of the label.
class RollingLabel final : public QLabel {
public:
    using QLabel::QLabel;

    int visibleHeight() const { return m_visibleHeight < 0 ? height() : m_visibleHeight; }
    void setVisibleHeight(int pixels);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_visibleHeight = -1; // the whole label
};
