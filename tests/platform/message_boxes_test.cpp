// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/qt_message_boxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace {

// What the box looked like, read while it is up, and then answered.
struct SeenBox {
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    bool labelOpensLinks = true;
};

SeenBox showAndAnswer(const QString &text, platform::MessageBoxes::Buttons buttons)
{
    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.format = box->textFormat();
        seen.text = box->text();
        if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            seen.labelOpensLinks = label->textFormat() != Qt::PlainText && label->openExternalLinks();
        box->button(box->standardButtons() & QMessageBox::No ? QMessageBox::No : QMessageBox::Ok)->click();
    });
    platform::QtMessageBoxes boxes;
    boxes.show(text, QStringLiteral("Download Error"), platform::MessageBoxes::Icon::Critical, buttons);
    return seen;
}

TEST(QtMessageBoxes, TextFromOutsideIsShownAsPlainText)
{
    // A status line a hostile server could send: rich text would make a live link of it.
    const QString hostile = QStringLiteral("The server returned the following response:\r\r"
                                           "HTTP/1.1 500 <a href=\"https://evil.invalid/\"><b>Click to fix</b></a>\r");
    for (const auto buttons : {platform::MessageBoxes::Buttons::Ok, platform::MessageBoxes::Buttons::YesNo}) {
        const SeenBox seen = showAndAnswer(hostile, buttons);
        EXPECT_EQ(seen.format, Qt::PlainText);
        EXPECT_EQ(seen.text, hostile) << "shown as it came, tags and all";
        EXPECT_FALSE(seen.labelOpensLinks);
    }
}

void waitFor(const std::function<bool()> &condition)
{
    for (QDeadlineTimer deadline(2000); !condition() && !deadline.hasExpired();)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The clock and its settings dialog, each with two boxes and the focus on
// the second, so a window merely activated again would not pass for one
// whose focus came back.
struct Windows {
    explicit Windows(bool clockOnTop)
    {
        clock.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | (clockOnTop ? Qt::WindowStaysOnTopHint : Qt::Widget));
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint, clockOnTop);
        for (QWidget *window : {&clock, static_cast<QWidget *>(dialog), static_cast<QWidget *>(&download)}) {
            new QLineEdit(window);
            (new QLineEdit(window))->setFocus();
        }
        clock.show();
    }
    void activate(QWidget &window)
    {
        window.show();
        window.activateWindow();
        waitFor([&window] { return QApplication::activeWindow() == &window; });
    }

    QWidget clock;
    QPointer<QDialog> dialog = new QDialog(&clock);
    QDialog download; // a window of its own, never on top
};

TEST(QtMessageBoxes, BoxStandsOverTheWindowInUseAndGivesItsFocusBack)
{
    enum Active { Nothing, Clock, Dialog, Download };
    const struct {
        const char *what;
        bool clockOnTop;
        Active active;
        bool expectOnTop;
    } rows[] = {
        // The user is in another program: the box must not pull the focus to the clock after it.
        {"an on-top clock, no window of ours active", true, Nothing, true},
        {"the settings dialog of an on-top clock", true, Dialog, true},
        {"a clock not on top, active", false, Clock, false},
        {"the download dialog, not on top, of an on-top clock", true, Download, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        Windows windows(row.clockOnTop);
        if (row.active == Clock)
            windows.activate(windows.clock);
        if (row.active == Dialog)
            windows.activate(*windows.dialog);
        if (row.active == Download)
            windows.activate(windows.download);
        QWidget *owner = row.active == Dialog ? static_cast<QWidget *>(windows.dialog)
            : row.active == Download          ? static_cast<QWidget *>(&windows.download)
                                              : &windows.clock;
        QWidget *focused = owner->focusWidget();
        platform::QtMessageBoxes boxes;
        boxes.setMainWindow(&windows.clock);

        struct {
            QWidget *parent = nullptr;
            QWindow *transientParent = nullptr;
            bool onTop = false;
            bool modal = false;
        } seen;
        QTimer::singleShot(0, [&seen] {
            QWidget *box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            seen = {box->parentWidget(), box->windowHandle()->transientParent(),
                    box->windowFlags().testFlag(Qt::WindowStaysOnTopHint), box->isModal()};
            box->close();
        });
        boxes.show(QStringLiteral("Sorry"), QStringLiteral("Error"), platform::MessageBoxes::Icon::Information);

        EXPECT_EQ(seen.parent, owner);
        EXPECT_EQ(seen.transientParent, owner->windowHandle());
        EXPECT_EQ(seen.onTop, row.expectOnTop);
        EXPECT_TRUE(seen.modal);
        if (row.active == Nothing) {
            QApplication::processEvents();
            EXPECT_EQ(QApplication::activeWindow(), nullptr);
            continue;
        }
        waitFor([focused] { return QApplication::focusWidget() == focused; });
        EXPECT_EQ(QApplication::activeWindow(), owner);
        EXPECT_EQ(QApplication::focusWidget(), focused);
    }
}

TEST(QtMessageBoxes, OwnerClosedUnderTheBoxLeavesTheQuestionUnanswered)
{
    // An update started meanwhile closes and deletes the settings dialog.
    Windows windows(true);
    windows.activate(*windows.dialog);
    platform::QtMessageBoxes boxes;
    boxes.setMainWindow(&windows.clock);
    bool outlived = false;
    QTimer::singleShot(0, [&windows, &outlived] {
        delete windows.dialog.data();
        if (QWidget *left = QApplication::activeModalWidget()) {
            outlived = true;
            left->close();
        }
    });
    const auto answer = boxes.show(QStringLiteral("Connect?"), QStringLiteral("Updates"),
                                   platform::MessageBoxes::Icon::Information, platform::MessageBoxes::Buttons::YesNo);
    EXPECT_FALSE(outlived) << "the box went with its owner";
    EXPECT_EQ(answer, platform::MessageBoxes::Answer::No);
}

} // namespace
