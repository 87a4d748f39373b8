// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/qt_message_boxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

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

} // namespace
