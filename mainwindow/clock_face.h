// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

#include <vector>

class RollingLabel;

// The clock's background picture, Image1, which also paints the labels that
// lie over it, as the form paints its windowless labels: one painter per
// repaint whatever it touches, and the picture under a label is drawn once,
// not once for the window and again for the label.
class ClockFace final : public QLabel {
public:
    explicit ClockFace(QWidget *parent = nullptr);

    // Paints these labels from now on, in this order (the last on top). They
    // keep their places and sizes for good.
    void carry(std::initializer_list<RollingLabel *> labels);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintPicture(QPainter &painter, const QRect &area);

    std::vector<RollingLabel *> m_labels;
};
