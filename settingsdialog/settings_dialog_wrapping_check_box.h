// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>

// A check box whose caption wraps over as many lines as its height allows,
// the box itself standing beside the middle of the text. Clicking anywhere on
// it toggles it. (QCheckBox keeps its caption on one line.)
class WrappingCheckBox final : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &position) const override;
};
