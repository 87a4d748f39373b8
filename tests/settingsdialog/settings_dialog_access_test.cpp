// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_dialog_test_world.h"

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

} // namespace
