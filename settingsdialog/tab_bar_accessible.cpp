// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/tab_bar_accessible.h"

#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QTabBar>

namespace {

// A tab's caption as spoken: its mnemonic marks gone, "&&" a plain "&".
QString withoutMnemonic(const QString &caption)
{
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && ++i >= caption.size())
            break;
        spoken += caption.at(i);
    }
    return spoken;
}

class TabAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar *bar, int index) : m_bar(bar), m_index(index) {}

    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_bar); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        if (kind == QAccessible::Name)
            return withoutMnemonic(m_bar->tabText(m_index));
        if (kind == QAccessible::Description)
            return m_bar->tabToolTip(m_index);
        return {};
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(tab.topLeft()), tab.size());
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool current = m_bar->currentIndex() == m_index;
        s.focusable = true;
        s.selectable = true;
        s.selected = current;
        s.focused = current && m_bar->hasFocus();
        s.invisible = !m_bar->isVisible();
        s.disabled = !m_bar->isTabEnabled(m_index);
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (isValid() && name == pressAction())
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

class TabBarAccessible final : public QAccessibleWidget {
public:
    explicit TabBarAccessible(QTabBar *bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabBarAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    // The strip goes by the name of its open tab, which holds the focus for it.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && bar()->currentIndex() >= 0)
            return withoutMnemonic(bar()->tabText(bar()->currentIndex()));
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focused = false;
        return s;
    }
    QAccessibleInterface *focusChild() const override
    {
        return bar()->hasFocus() ? child(bar()->currentIndex()) : nullptr;
    }

    int childCount() const override { return bar()->count(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= bar()->count())
            return nullptr;
        if (const QAccessible::Id id = m_tabs.value(index))
            return QAccessible::accessibleInterface(id);
        auto *tab = new TabAccessible(bar(), index);
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int index = 0; index < childCount(); ++index) {
            if (this->child(index) == child)
                return index;
        }
        return -1;
    }

private:
    QTabBar *bar() const { return static_cast<QTabBar *>(widget()); }

    mutable QHash<int, QAccessible::Id> m_tabs;
};

QAccessibleInterface *tabBarInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("QTabBar") && object && object->isWidgetType())
        return new TabBarAccessible(static_cast<QTabBar *>(object));
    return nullptr;
}

} // namespace

namespace tab_bar_accessible {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(tabBarInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace tab_bar_accessible
