// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_dialog_test_world.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTranslator>

// What the dialog says reaches the user in the user's language, and to a
// screen reader as well as to the eye.

using namespace settings_dialog_test;
using namespace Qt::StringLiterals;

namespace {

// Marks every text it is asked for: a text shown unmarked never went through
// the translation system.
class MarkingTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return u"«"_s + QString::fromUtf8(source) + u"»"_s;
    }
};

bool marked(const QString &text)
{
    return text.startsWith(u"«") && text.endsWith(u"»");
}

// Every text of every control: captions, titles, tips, tabs and what a
// screen reader says of it.
QStringList textsOf(QWidget *dialog)
{
    QStringList texts {dialog->windowTitle()};
    for (QWidget *widget : dialog->findChildren<QWidget *>()) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            texts << group->title();
        if (auto *bar = qobject_cast<QTabBar *>(widget)) {
            for (int tab = 0; tab < bar->count(); ++tab)
                texts << bar->tabText(tab);
        }
    }
    texts.removeAll(QString());
    return texts;
}

class SettingsDialogAccess : public DialogWorld {
protected:
    void SetUp() override { QCoreApplication::installTranslator(&translator); }
    void TearDown() override { QCoreApplication::removeTranslator(&translator); }

    MarkingTranslator translator;
};

TEST_F(SettingsDialogAccess, EveryTextAndMessageGoesThroughTheTranslator)
{
    open();
    const QStringList texts = textsOf(dialog.get()) << box(u"customName1Edit"_s)->text();
    for (const QString &text : texts)
        EXPECT_TRUE(marked(text)) << text.toStdString();
    EXPECT_TRUE(texts.contains(u"«Central Time (US and Canada)»"_s)) << "the zone boxes' captions";

    // A wrong delay, no zone at all, and a disk that takes nothing.
    box(u"scanDelayEdit"_s)->setText(u"ab"_s);
    for (QCheckBox *zone : dialog->findChildren<QCheckBox *>(QRegularExpression(u"ZoneCheck$"_s)))
        zone->setChecked(false);
    platform.settings.flushProblem = u"disk full"_s;
    click(u"applyButton"_s);
    ASSERT_EQ(messages.shown.size(), 3u);
    for (const FakeMessageBoxes::Shown &shown : messages.shown) {
        EXPECT_TRUE(marked(shown.text)) << shown.text.toStdString();
        EXPECT_TRUE(marked(shown.title)) << shown.title.toStdString();
    }
    EXPECT_TRUE(messages.shown[2].text.contains(u"\n\ndisk full\n\n"_s));
}

// A control a screen reader user can reach or work: it must say what it is.
bool interactive(QAccessibleInterface *node)
{
    if (node->state().focusable)
        return true;
    const QAccessibleActionInterface *actions = node->actionInterface();
    return actions && !actions->actionNames().isEmpty();
}

void collectInteractive(QAccessibleInterface *node, std::vector<QAccessibleInterface *> &found)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child)
            continue;
        if (interactive(child))
            found.push_back(child);
        collectInteractive(child, found);
    }
}

QAccessibleInterface *interfaceOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

TEST_F(SettingsDialogAccess, EveryControlIsNamedForAScreenReader)
{
    QCoreApplication::removeTranslator(&translator);
    platform.settings.set(u"scan"_s, u"20"_s);
    open();
    std::vector<QAccessibleInterface *> controls;
    collectInteractive(interfaceOf(dialog.get()), controls);
    ASSERT_GT(controls.size(), 40u);
    QHash<QString, int> seen;
    for (QAccessibleInterface *control : controls) {
        const QString name = control->text(QAccessible::Name);
        const QString what = control->object() ? control->object()->objectName() : QString();
        EXPECT_FALSE(name.isEmpty()) << "unnamed: " << what.toStdString() << " role " << control->role();
        // A tab bar goes by the name of its open tab.
        if (control->role() != QAccessible::PageTabList) {
            EXPECT_EQ(seen[name]++, 0) << "named twice: " << name.toStdString();
        }
    }

    struct Named {
        const char *object;
        QAccessible::Role role;
        QString name;
    };
    const Named named[] = {
        {"customName1Edit", QAccessible::EditableText, u"Name of custom time zone 1"_s},
        {"customOffset1Edit", QAccessible::EditableText, u"GMT offset of custom time zone 1"_s},
        {"customName2Edit", QAccessible::EditableText, u"Name of custom time zone 2"_s},
        {"customOffset2Edit", QAccessible::EditableText, u"GMT offset of custom time zone 2"_s},
        {"resetCustom2Button", QAccessible::Button, u"Reset custom time zone 2"_s},
        {"scanDelayEdit", QAccessible::EditableText, u"Seconds between time zones"_s},
        {"up", QAccessible::Button, u"Increase delay"_s},
        {"down", QAccessible::Button, u"Decrease delay"_s},
        {"logo", QAccessible::Graphic, u"Horalux logo"_s},
        {"helpLink", QAccessible::Link, u"Click here for Instructions and Help"_s},
        // Not the title of the group it stands in.
        {"updateLink", QAccessible::Link, u"Click here to update your copy of Horalux now"_s},
        {"scanDelayArrows", QAccessible::SpinBox, u"Change the delay"_s},
    };
    for (const Named &n : named) {
        QAccessibleInterface *node = interfaceOf(control(QString::fromLatin1(n.object)));
        EXPECT_EQ(node->role(), n.role) << n.object;
        EXPECT_EQ(node->text(QAccessible::Name), n.name) << n.object;
    }

    // The arrows work by their press action alone, as a screen reader works
    // them, and the spin button by its own.
    const struct {
        const char *object;
        QString action;
        const char *after;
    } steps[] = {
        {"up", QAccessibleActionInterface::pressAction(), "21"},
        {"down", QAccessibleActionInterface::pressAction(), "20"},
        {"scanDelayArrows", QAccessibleActionInterface::increaseAction(), "21"},
        {"scanDelayArrows", QAccessibleActionInterface::decreaseAction(), "20"},
    };
    for (const auto &step : steps) {
        QAccessibleActionInterface *actions = interfaceOf(control(QString::fromLatin1(step.object)))->actionInterface();
        ASSERT_TRUE(actions) << step.object;
        actions->doAction(step.action);
        EXPECT_EQ(box(u"scanDelayEdit"_s)->text(), QString::fromLatin1(step.after)) << step.object;
    }
    int follows = 0;
    dialog->onHelpLinkClicked = [&] { ++follows; };
    interfaceOf(control(u"helpLink"_s))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(follows, 1) << "the link's press action follows it";
}

// A screen reader follows the one focused object: never two.
TEST_F(SettingsDialogAccess, OneObjectHasTheFocusAtATime)
{
    QCoreApplication::removeTranslator(&translator);
    open();
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    auto *tabBar = dialog->tabs()->findChild<QTabBar *>();
    for (QWidget *focused :
         {static_cast<QWidget *>(tabBar), control(u"ukZoneCheck"_s), control(u"customName1Edit"_s)}) {
        focused->setFocus(Qt::TabFocusReason);
        std::vector<QAccessibleInterface *> controls;
        collectInteractive(interfaceOf(dialog.get()), controls);
        QStringList saying;
        for (QAccessibleInterface *node : controls) {
            if (node->state().focused)
                saying << node->text(QAccessible::Name);
        }
        EXPECT_EQ(saying.size(), 1) << focused->objectName().toStdString() << ": " << saying.join(u", ").toStdString();
    }
}

} // namespace
