// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settingsdialog/main_window_link.h"
#include "settingsdialog/settings_dialog.h"
#include "settingsdialog/updown_arrows.h"

#include "fake_message_boxes.h"
#include "fake_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

namespace settings_dialog_test {

// Records what the dialog does to the main window, in order.
class FakeMainWindowLink final : public MainWindowLink {
public:
    void applyOnTopAndPlace() override
    {
        calls << QStringLiteral("ontop");
        if (duringOntop)
            duringOntop();
    }
    void setCustomMenuEntryVisible(int number, bool visible) override
    {
        calls << QStringLiteral("visible %1 %2").arg(number).arg(visible);
        entryVisible[number] = visible;
    }
    void setCustomMenuEntryCaption(int number, const QString &caption) override
    {
        calls << QStringLiteral("caption %1 %2").arg(number).arg(caption);
        entryCaption[number] = caption;
    }
    void loadBackgroundPicture(const QString &path) override { calls << QStringLiteral("picture ") + path; }
    QRect placeOnScreen() const override { return place; }

    QStringList calls;
    QRect place {13, 13, 180, 80};
    std::function<void()> duringOntop;
    bool entryVisible[3] = {false, false, false};
    QString entryCaption[3];
};

// The fakes a dialog needs, and a dialog opened on them.
class DialogWorld : public ::testing::Test {
protected:
    SettingsDialog &open()
    {
        dialog = std::make_unique<SettingsDialog>(platform.services, messages, mainWindow);
        return *dialog;
    }

    template <typename Control = QWidget>
    Control *control(const QString &name) const
    {
        auto *found = dialog->findChild<Control *>(name);
        if (!found) {
            // Fails this test alone: the runner catches the exception, where
            // a null handed back would crash the whole program.
            ADD_FAILURE() << "no control " << name.toStdString();
            throw std::invalid_argument(name.toStdString());
        }
        return found;
    }
    QLineEdit *box(const QString &name) const { return control<QLineEdit>(name); }
    QAbstractButton *button(const QString &name) const { return control<QAbstractButton>(name); }
    void click(const QString &name) const { button(name)->click(); }
    bool checked(const QString &name) const { return button(name)->isChecked(); }
    void setChecked(const QString &name, bool on) const { button(name)->setChecked(on); }

    // Keys pressed in the box as the user would, after giving it the focus
    // (which, in the custom zone boxes, selects the text to be replaced).
    void type(const QString &name, const QString &keys) const
    {
        QLineEdit *target = box(name);
        showOnItsTab(target);
        target->setFocus(Qt::TabFocusReason);
        // QTest spells only ASCII as keys; other letters come as their text.
        for (const QChar key : keys) {
            if (key.unicode() < 0x80)
                QTest::keyClick(target, key.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(key), Qt::NoModifier);
        }
    }
    // Keys pressed at the end of the box's text.
    void append(const QString &name, const QString &keys) const
    {
        QLineEdit *target = box(name);
        showOnItsTab(target);
        target->setFocus(Qt::OtherFocusReason);
        target->end(false);
        QTest::keyClicks(target, keys);
    }
    void showOnItsTab(QWidget *target) const
    {
        auto *tabs = dialog->tabs();
        for (int page = 0; page < tabs->count(); ++page) {
            if (tabs->widget(page)->isAncestorOf(target))
                tabs->setCurrentIndex(page);
        }
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
    }
    FakePlatform platform;
    FakeMessageBoxes messages;
    FakeMainWindowLink mainWindow;
    std::unique_ptr<SettingsDialog> dialog;
};

} // namespace settings_dialog_test
