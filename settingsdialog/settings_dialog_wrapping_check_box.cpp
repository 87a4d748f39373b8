// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/settings_dialog_wrapping_check_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WrappingCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

    const int textLeft =
        indicator.rect.right() + 1 + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const QRect textArea(textLeft, 0, width() - textLeft, height());
    const int flags = int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    painter.drawItemText(textArea, flags, option.palette, isEnabled(), text(), QPalette::WindowText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.fontMetrics().boundingRect(textArea, flags, text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingCheckBox::hitButton(const QPoint &position) const
{
    return rect().contains(position);
}
