// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/clock_accessibility.h"

#include "mainwindow/rolling_label.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>

namespace {

// The labels paint no text of their own (the face does), so nothing tells
// their words but this.
class RollingLabelAccessible final : public QAccessibleWidget {
public:
    explicit RollingLabelAccessible(RollingLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return static_cast<const RollingLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

class NextZoneArrowAccessible final : public QAccessibleWidget {
public:
    explicit NextZoneArrowAccessible(NextZoneArrow *arrow)
        : QAccessibleWidget(arrow, QAccessible::Button, QCoreApplication::translate("ClockWindow", "Next time zone"))
    {
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if (actionName != pressAction())
            return;
        // The same click the pointer gives, so there is one way to move on.
        QWidget *arrow = widget();
        const QPointF centre = QRectF(arrow->rect()).center();
        const QPointF global = arrow->mapToGlobal(centre);
        QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(arrow, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(arrow, &release);
    }
};

QAccessibleInterface *clockInterfaces(const QString &className, QObject *object)
{
    // A plain top-level widget is a "filler" to AT-SPI; the clock is a window.
    if (className == QLatin1String("ClockWindow"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == QLatin1String("RollingLabel"))
        return new RollingLabelAccessible(static_cast<RollingLabel *>(object));
    if (className == QLatin1String("NextZoneArrow"))
        return new NextZoneArrowAccessible(static_cast<NextZoneArrow *>(object));
    return nullptr;
}

} // namespace

void installClockAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(clockInterfaces);
        return true;
    }();
    Q_UNUSED(installed);
}
