// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/updown_arrows.h"

#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QToolButton>

namespace {

// A spin button to a screen reader (a plain QWidget would be a "filler"),
// stepped by its increase and decrease actions as by the keys.
class UpDownArrowsAccessible final : public QAccessibleWidget {
public:
    explicit UpDownArrowsAccessible(UpDownArrows *arrows) : QAccessibleWidget(arrows, QAccessible::SpinBox) {}

    QStringList actionNames() const override { return {increaseAction(), decreaseAction()}; }

    void doAction(const QString &actionName) override
    {
        auto *arrows = static_cast<UpDownArrows *>(widget());
        if (actionName == increaseAction())
            emit arrows->upClick();
        else if (actionName == decreaseAction())
            emit arrows->downClick();
    }
};

QAccessibleInterface *arrowsInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("UpDownArrows"))
        return new UpDownArrowsAccessible(static_cast<UpDownArrows *>(object));
    return nullptr;
}

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
    static const bool accessible = [] {
        QAccessible::installFactory(arrowsInterface);
        return true;
    }();
    Q_UNUSED(accessible);
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

void UpDownArrows::focusInEvent(QFocusEvent *event)
{
    // The arrows fill the widget and take no focus themselves: the frame is
    // drawn around it, over its neighbours.
    if (!m_focusFrame)
        m_focusFrame = new QFocusFrame(this);
    m_focusFrame->setWidget(this);
    QWidget::focusInEvent(event);
}

void UpDownArrows::focusOutEvent(QFocusEvent *event)
{
    if (m_focusFrame)
        m_focusFrame->setWidget(nullptr);
    QWidget::focusOutEvent(event);
}

void UpDownArrows::resizeEvent(QResizeEvent *)
{
    const int upperHeight = (height() + 1) / 2;
    m_up->setGeometry(0, 0, width(), upperHeight);
    m_down->setGeometry(0, upperHeight, width(), height() - upperHeight);
}
