// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QLabel>

#include <vector>

class RollingLabel;

// The clock's background picture, which also paints the labels that
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
    // Puts the rows `band` (label coordinates) of a carried label that is
    // being rolled on screen now, as a repaint would show them at its
    // present visible height. False when they cannot be shown this way (the
    // window is not on screen, something else covers them): then they are
    // repainted.
    bool showRolledRows(const RollingLabel &label, const QRect &band);
    // Everything that decides how the face looks under a rolling label.
    struct LabelLook {
        QString text;
        QFont font;
        QColor colour;
        QRect geometry; // in the window the face lies on
        bool hidden = false;
        int visibleHeight = 0; // -1 for the rolling label: both of its states are kept
        bool operator==(const LabelLook &) const = default;
    };
    struct RollLook {
        const RollingLabel *label = nullptr;
        qint64 picture = 0;
        QSize size;
        QColor window;
        qreal ratio = 0;
        QImage::Format format = QImage::Format_Invalid;
        std::vector<LabelLook> labels;
    };

    void paintArea(QPainter &painter, const QRect &area, const RollingLabel *rolled = nullptr, int rolledRows = 0);
    void paintPicture(QPainter &painter, const QRect &area);
    // Keeps the look under `label` now; true when it differs from the one kept.
    bool takeRollLook(const RollingLabel &label, qreal ratio, QImage::Format format);
    QImage paintedLabelArea(const RollingLabel &label, int rows, qreal ratio, QImage::Format format);
    bool isCoveredBySibling(const QRect &areaInWindow) const;

    std::vector<RollingLabel *> m_labels;
    // While a picture of a rolling label's box is rendered: that label, at this many rows.
    struct PaintRolled {
        const RollingLabel *label = nullptr;
        int rows = 0;
    } m_paintRolled;
    // The face over a rolling label's box with the label whole and with it
    // rolled away, in the window's pixels: a roll step copies rows of them.
    RollLook m_rollLook;
    QImage m_rollWhole;
    QImage m_rollBare;
};
