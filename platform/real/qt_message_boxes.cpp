// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/qt_message_boxes.h"

#include <QMessageBox>

namespace platform {

MessageBoxes::Answer QtMessageBoxes::show(const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    QMessageBox box;
    box.setWindowTitle(title);
    // Texts carry what servers and users wrote (a status line, a URL): never
    // read as markup, or a server could put a live link in the box.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

} // namespace platform
