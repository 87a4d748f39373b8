// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace platform {

namespace {

bool staysOnTop(const QWidget *window)
{
    return window && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// Long enough for the window manager's own choice of window to reach us.
constexpr int kFocusSettleMs = 200;

// The control that had the focus gets it back whenever its window is active.
// The window itself is asked for only where the window manager gave the
// focus to no window of ours: asking against its choice (xfwm4 picks the
// settings dialog over the clock) can leave the X server's focus and Qt's
// on different windows, and keys then reach neither.
void giveFocusBack(QWidget *window, QWidget *focused)
{
    if (!window || !window->isVisible())
        return;
    if (focused && focused->window() == window && focused->isVisible())
        focused->setFocus(Qt::ActiveWindowFocusReason);
    QTimer::singleShot(kFocusSettleMs, window, [window] {
        if (!QApplication::activeWindow() && window->isVisible())
            window->activateWindow();
    });
}

} // namespace

QWidget *QtMessageBoxes::owner() const
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    // A menu is no owner: it closes under the box.
    for (QWidget *active = QApplication::activeWindow(); active; active = active->parentWidget()) {
        if (active->windowType() != Qt::Popup && active->windowType() != Qt::ToolTip)
            return active->window();
    }
    if (m_mainWindow && m_mainWindow->isVisible())
        return m_mainWindow;
    return nullptr;
}

bool QtMessageBoxes::onTop(const QWidget *owner) const
{
    return staysOnTop(owner) || staysOnTop(m_mainWindow);
}

MessageBoxes::Answer QtMessageBoxes::show(const QString &text, const QString &title, Icon icon, Buttons buttons)
{
    QWidget *window = owner();
    // A box that came while the user was in another program leaves the focus where it falls.
    const bool inUse = window && window->isActiveWindow();
    const QPointer<QWidget> focused = window ? window->focusWidget() : nullptr;
    const QPointer<QWidget> owned = window;
    // On the heap: a child dies with its owner, which events run by the box
    // may close and delete.
    const QPointer<QMessageBox> box = new QMessageBox(window);
    box->setWindowFlag(Qt::WindowStaysOnTopHint, onTop(window));
    box->setWindowTitle(title);
    // Texts carry what servers and users wrote (a status line, a URL): never
    // read as markup, or a server could put a live link in the box.
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    switch (icon) {
    case Icon::None: box->setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box->setIcon(QMessageBox::Information); break;
    case Icon::Exclamation: box->setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box->setIcon(QMessageBox::Critical); break;
    }
    box->setStandardButtons(buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    if (m_prepareBox) {
        box->winId();
        m_prepareBox(*box);
    }
    const int chosen = box->exec();
    delete box.data();
    if (inUse)
        giveFocusBack(owned, focused);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    // A box gone with its owner was never answered: no.
    return chosen == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace platform
