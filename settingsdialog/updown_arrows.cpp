// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/updown_arrows.h"

#include <QKeyEvent>
#include <QToolButton>

namespace {

QToolButton *arrowButton(Qt::ArrowType arrow, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

UpDownArrows::UpDownArrows(QWidget *parent)
    : QWidget(parent),
      m_up(arrowButton(Qt::UpArrow, this)),
      m_down(arrowButton(Qt::DownArrow, this))
{
    setFocusPolicy(Qt::TabFocus);
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    connect(m_up, &QToolButton::clicked, this, &UpDownArrows::upClick);
    connect(m_down, &QToolButton::clicked, this, &UpDownArrows::downClick);
}

void UpDownArrows::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up)
        emit upClick();
    else if (event->key() == Qt::Key_Down)
        emit downClick();
    else
        QWidget::keyPressEvent(event);
}

void UpDownArrows::resizeEvent(QResizeEvent *)
{
    const int upperHeight = (height() + 1) / 2;
    m_up->setGeometry(0, 0, width(), upperHeight);
    m_down->setGeometry(0, upperHeight, width(), height() - upperHeight);
}
