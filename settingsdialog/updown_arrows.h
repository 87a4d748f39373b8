// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QFocusFrame;
class QToolButton;

// A pair of small arrow buttons, one above the other, that only report which
// arrow was pressed: the owner decides what a press does to its box (a
// QSpinBox would clamp, where the delay box wraps around). Held arrows repeat;
// with the focus, the Up and Down keys press them too, and a frame marks it.
class UpDownArrows final : public QWidget {
    Q_OBJECT
public:
    explicit UpDownArrows(QWidget *parent = nullptr);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

signals:
    void upClick();
    void downClick();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
    QFocusFrame *m_focusFrame = nullptr;
};
